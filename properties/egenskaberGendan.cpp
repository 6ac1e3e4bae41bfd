// "Gendan data...": the daily copies of the data files, put back.
#include "egenskaber.h"

#include "Beskeder.h"
#include "Hub.h"
#include "Knapper.h"
#include "Sikkerhedskopi.h"

#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString dagtekst(const QDate& dag)
{
    return dag.toString(QStringLiteral("dd-MM-yyyy"));
}

} // namespace

QPushButton* Tegenskabsform::lavGendanKnap()
{
    gendanButton = knap(QStringLiteral("gendanButton"), QStringLiteral("Gendan data..."),
                        QStringLiteral("Gendan grupper og indstillinger fra en sikkerhedskopi"));
    connect(gendanButton, &QPushButton::clicked, this, &Tegenskabsform::gendanButtonClick);
    return gendanButton;
}

QDate Tegenskabsform::vaelgDag()
{
    const QList<QDate> dage = m_hub.sikkerhedskopi().kopidage();
    if (dage.isEmpty()) {
        m_hub.beskeder().besked(QStringLiteral("Der er endnu ingen sikkerhedskopier af dine data."));
        return {};
    }
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Gendan data"));
    auto* liste = new QListWidget(&dialog);
    liste->setObjectName(QStringLiteral("dageBoks"));
    liste->setAccessibleName(QStringLiteral("Sikkerhedskopier"));
    const QLocale dansk(QLocale::Danish);
    for (const QDate& dag : dage) {
        auto* punkt = new QListWidgetItem(
            dansk.toString(dag, QStringLiteral("dddd 'den' d. MMMM yyyy")) + QStringLiteral("  (") +
            QString::number(m_hub.sikkerhedskopi().filer(dag).size()) + QStringLiteral(" filer)"));
        punkt->setData(Qt::UserRole, dag);
        liste->addItem(punkt);
    }
    liste->setCurrentRow(0);
    auto* knapper = new QDialogButtonBox(&dialog);
    knapper->addButton(QStringLiteral("Gendan"), QDialogButtonBox::AcceptRole);
    knapper->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    connect(knapper, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(knapper, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(liste, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* lag = new QVBoxLayout(&dialog);
    lag->addWidget(new QLabel(QStringLiteral("Vælg den dag, hvis data skal gendannes:")));
    lag->addWidget(liste);
    lag->addWidget(knapper);
    if (dialog.exec() != QDialog::Accepted || !liste->currentItem())
        return {};
    return liste->currentItem()->data(Qt::UserRole).toDate();
}

void Tegenskabsform::gendanButtonClick()
{
    if (const QDate dag = vaelgDag(); dag.isValid())
        gendanDag(dag);
}

bool Tegenskabsform::gendanDag(const QDate& dag)
{
    if (!m_hub.beskeder().spoerg(QStringLiteral("Skal grupper og indstillinger gendannes, som de "
                                                "var den %1?\rDe nuværende filer gemmes først "
                                                "som sikkerhedskopi.")
                                     .arg(dagtekst(dag))))
        return false;
    if (!m_hub.gendanData(dag))
        return false;
    // The restored file is this window's truth now, not what it showed before.
    HentOpt();
    gemButton->setEnabled(false);
    m_hub.beskeder().besked(QStringLiteral("Data fra den %1 er gendannet.").arg(dagtekst(dag)));
    return true;
}
