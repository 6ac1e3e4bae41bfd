#include "progress.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// Painting costs more than copying a small file: a few times a second is enough to follow.
constexpr int malInterval = 50;

QProgressBar* bjaelke(const QString& navn)
{
    auto* b = new QProgressBar;
    b->setRange(0, 100);
    b->setValue(0);
    b->setAccessibleName(navn);
    b->setTextVisible(false);
    return b;
}

} // namespace

Tprogressform::Tprogressform(QWidget* hovedvindue)
    : Operationsvindue(QStringLiteral("Kopierer"), hovedvindue)
{
    setObjectName(QStringLiteral("progressform"));
    // The operation cannot be stopped halfway: no close box.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setModal(false);
    setMinimumWidth(420);

    LabelInfo = new QLabel(QStringLiteral("Kopierings information"));
    LabelInfo->setWordWrap(true);
    pBar = bjaelke(QStringLiteral("Aktuelle fil"));
    LabelProcent = new QLabel(QStringLiteral("0%"));
    LabelTekst = new QLabel(QStringLiteral(" Resterende elementer: "));
    LabelResterende = new QLabel;
    pBarAll = bjaelke(QStringLiteral("I alt"));
    pBarAktiv = bjaelke(QStringLiteral("Indlæsning"));
    pBarAktiv->setFixedWidth(90);
    infoBar = new QStatusBar;
    infoBar->setSizeGripEnabled(false);
    auto* infoPanel0 = new QLabel(QStringLiteral("Indlæste mapper"));
    infoPanel0->setMinimumWidth(100);
    infoPanel1 = new QLabel;
    infoBar->addWidget(infoPanel0);
    infoBar->addWidget(infoPanel1, 1);
    LabelSletInfo = new QLabel;

    auto* tal = new QHBoxLayout;
    tal->addWidget(LabelProcent);
    tal->addStretch(1);
    tal->addWidget(LabelTekst);
    tal->addWidget(LabelResterende);
    auto* bund = new QHBoxLayout;
    bund->addWidget(pBarAktiv);
    bund->addWidget(infoBar, 1);
    auto* lag = new QVBoxLayout(this);
    lag->addWidget(LabelInfo);
    lag->addWidget(pBar);
    lag->addLayout(tal);
    lag->addWidget(pBarAll);
    lag->addWidget(LabelSletInfo);
    lag->addLayout(bund);
}

void Tprogressform::setInfo(const QString& tekst)
{
    LabelInfo->setText(tekst);
}

void Tprogressform::setProcent(const QString& tekst)
{
    LabelProcent->setText(tekst);
}

void Tprogressform::setResterende(const QString& tekst)
{
    LabelResterende->setText(tekst);
}

void Tprogressform::setSletInfo(const QString& tekst)
{
    LabelSletInfo->setText(tekst);
}

void Tprogressform::setIndlaeste(const QString& tekst)
{
    infoPanel1->setText(tekst);
}

int Tprogressform::filProcent() const
{
    return pBar->value();
}

void Tprogressform::setFilProcent(int procent)
{
    pBar->setValue(procent);
}

void Tprogressform::setAlleProcent(int procent)
{
    pBarAll->setValue(procent);
}

void Tprogressform::setAktiv(int maksimum, int position)
{
    pBarAktiv->setRange(0, std::max(maksimum, 1));
    pBarAktiv->setValue(std::min(position, pBarAktiv->maximum()));
}

void Tprogressform::setAktivPosition(int position)
{
    // More folders than were selected: the bar stays full.
    pBarAktiv->setValue(std::min(position, pBarAktiv->maximum()));
}

void Tprogressform::vis()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    show();
    raise();
    m_malet.invalidate();
    opdater();
}

void Tprogressform::luk()
{
    QGuiApplication::restoreOverrideCursor();
    hide();
}

void Tprogressform::opdater()
{
    if (m_malet.isValid() && m_malet.elapsed() < malInterval)
        return;
    m_malet.start();
    // Painting only: a click now would reach a file box in the middle of its work.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
