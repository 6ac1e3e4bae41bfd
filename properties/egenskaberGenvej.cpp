#include "egenskaber.h"

#include "Beskeder.h"
#include "DataMapper.h"
#include "Genvejsfil.h"
#include "Globalgenvej.h"
#include "Hub.h"

#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

QWidget* Tegenskabsform::lavGenvejsfelt()
{
    auto* side = new QWidget;
    auto* lag = new QVBoxLayout(side);
    lag->setContentsMargins(0, 4, 0, 0);
    lag->setSpacing(2);
    genvejCheck = new QCheckBox(QStringLiteral("Global genvej"));
    genvejCheck->setObjectName(QStringLiteral("genvejCheck"));
    const QString hint = QStringLiteral("Viser og skjuler Tavlum fra ethvert program");
    genvejCheck->setToolTip(hint);
    genvejCheck->setStatusTip(hint);
    genvejFelt = new QKeySequenceEdit;
    genvejFelt->setObjectName(QStringLiteral("genvejFelt"));
    genvejFelt->setAccessibleName(QStringLiteral("Global genvej"));
    // The keys go to the field's own line edit, which a screen reader announces.
    if (auto* linje = genvejFelt->findChild<QLineEdit*>())
        linje->setAccessibleName(QStringLiteral("Global genvej"));
    genvejFelt->setToolTip(QStringLiteral("Tryk den tastekombination, der skal bruges"));
    genvejBesked = new QLabel;
    genvejBesked->setObjectName(QStringLiteral("genvejBesked"));
    genvejBesked->setWordWrap(true);
    lag->addWidget(genvejCheck);
    lag->addWidget(genvejFelt);
    lag->addWidget(genvejBesked);
    connect(genvejCheck, &QCheckBox::clicked, this, &Tegenskabsform::genvejAendret);
    connect(genvejFelt, &QKeySequenceEdit::editingFinished, this, &Tegenskabsform::genvejAendret);
    return side;
}

void Tegenskabsform::HentGenvej()
{
    const Globalgenvej& genvej = m_hub.globalgenvej();
    genvejCheck->setChecked(genvej.valg().til);
    genvejFelt->setKeySequence(genvej.valg().tast);
    if (!genvej.mulig()) {
        genvejCheck->setEnabled(false);
        genvejFelt->setEnabled(false);
    }
    // The reason from start stands in this window only: a box before the panel
    // is even shown would interrupt every start while another program holds the key.
    genvejBesked->setText(genvej.mulig() ? genvej.fejl() : Globalgenvej::ikkeMulig());
}

void Tegenskabsform::genvejAendret()
{
    Globalgenvej& genvej = m_hub.globalgenvej();
    QKeySequence tast = genvejFelt->keySequence();
    if (!Genvejsfil::somGlobal(tast)) {
        if (!tast.isEmpty())
            m_hub.beskeder().besked(Globalgenvej::ugyldig());
        // Back to the combination in force.
        tast = genvej.valg().tast;
    }
    // The field records up to four combinations; a global key is one.
    const Genvejsfil valg{genvejCheck->isChecked(), QKeySequence(tast[0])};
    {
        const QSignalBlocker stille(genvejFelt);
        genvejFelt->setKeySequence(valg.tast);
    }
    genvej.saet(valg);
    genvejBesked->setText(genvej.fejl());
    if (!genvej.fejl().isEmpty())
        m_hub.beskeder().besked(genvej.fejl());
    m_hub.gemListe(Genvejsfil::filnavn(m_hub.mapper().Dir), valg.tilLinjer());
}
