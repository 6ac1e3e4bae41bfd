#include "BeskedVindue.h"

#include "Billeder.h"
#include "Design.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int margen = 12;
constexpr int panelHoejde = 31;
constexpr int ekstraHoejde = 80;

QLabel* billede(QWidget* parent)
{
    auto* image = new QLabel(parent);
    image->setFixedSize(16, 16);
    return image;
}

// The text broken into lines no wider than `bredde`: between words where it
// can, inside a word (a long path) where the word alone is wider.
QString ombryd(const QString& tekst, const QFont& skrift, int bredde)
{
    QStringList linjer;
    QTextOption valg;
    valg.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& afsnit : tekst.split(QLatin1Char('\n'))) {
        QTextLayout lag(afsnit, skrift);
        lag.setTextOption(valg);
        lag.beginLayout();
        for (QTextLine linje = lag.createLine(); linje.isValid(); linje = lag.createLine()) {
            linje.setLineWidth(bredde);
            linjer.append(afsnit.mid(linje.textStart(), linje.textLength()));
        }
        lag.endLayout();
        if (afsnit.isEmpty())
            linjer.append(QString());
    }
    return linjer.join(QLatin1Char('\n'));
}

} // namespace

BeskedVindue::BeskedVindue(const QString& titel, int fontPixels, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(titel);
    QFont skrift(QStringLiteral("Segoe UI"));
    skrift.setPixelSize(fontPixels);
    setFont(skrift);
    setMinimumWidth(bredde);
    setMaximumWidth(bredde);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setTextFormat(Qt::PlainText);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(panelHoejde);
    auto* raekke = new QHBoxLayout(panel);
    raekke->setContentsMargins(4, 0, 4, 0);
    QLabel* venstre = billede(this);
    QLabel* hoejre = billede(this);
    m_billeder = {{venstre, QStringLiteral("info")}, {hoejre, QStringLiteral("spoergsmaal")}};
    raekke->addWidget(venstre);
    m_knapper = new QHBoxLayout;
    raekke->addLayout(m_knapper, 1);
    raekke->addWidget(hoejre);

    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(margen, margen, margen, 4);
    lag->addWidget(m_label);
    lag->addStretch(1);
    lag->addWidget(panel);
    lag->setSizeConstraint(QLayout::SetNoConstraint);

    resetValues();
    visBilleder();
}

void BeskedVindue::setKnapbillede(QPushButton* knap, const QString& billede)
{
    m_billeder.append({knap, billede});
    visBilleder();
}

void BeskedVindue::visBilleder()
{
    const bool moerk = Design::erMoerk(Design::aktiv());
    for (const auto& [w, navn] : std::as_const(m_billeder)) {
        const QIcon ikon = Billeder::billede(navn, moerk);
        if (auto* knap = qobject_cast<QPushButton*>(w))
            knap->setIcon(ikon);
        else
            static_cast<QLabel*>(w)->setPixmap(ikon.pixmap(QSize(16, 16), w->devicePixelRatioF()));
    }
}

void BeskedVindue::changeEvent(QEvent* event)
{
    // A new design brings a new palette.
    if (event->type() == QEvent::PaletteChange)
        visBilleder();
    QDialog::changeEvent(event);
}

void BeskedVindue::insertTekst(const QString& tekst)
{
    // A carriage return breaks the line, as the callers intend.
    m_tekst = tekst;
    m_tekst.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_label->setText(m_tekst);
    m_label->setAccessibleName(m_tekst);
}

QString BeskedVindue::tekst() const
{
    return m_tekst;
}

int BeskedVindue::ShowModal()
{
    return exec() == QDialog::Accepted ? 1 : 2;
}

void BeskedVindue::resetValues()
{
    m_tekst.clear();
    m_label->clear();
    QFont skrift = m_label->font();
    skrift.setPointSize(8);
    m_label->setFont(skrift);
}

void BeskedVindue::showEvent(QShowEvent* event)
{
    QFont skrift = m_label->font();
    skrift.setPointSize(10);
    m_label->setFont(skrift);
    // A pixel to spare, so the label's own wrapping keeps these lines.
    const int tekstBredde = bredde - 2 * margen;
    m_label->setText(ombryd(m_tekst, skrift, tekstBredde - 1));
    const int labelHoejde =
        std::max(m_label->fontMetrics().height(), m_label->heightForWidth(tekstBredde));
    m_label->setFixedHeight(labelHoejde);
    setFixedHeight(labelHoejde + ekstraHoejde);

    QWidget* aktiv = QApplication::activeWindow();
    if (m_opstart && aktiv && aktiv != this) {
        m_opstart = false;
        move(aktiv->frameGeometry().topLeft());
    }
    QDialog::showEvent(event);
}

void BeskedVindue::hideEvent(QHideEvent* event)
{
    resetValues();
    QDialog::hideEvent(event);
}
