// Registration as a program that starts when the user logs on.
#include "egenskaber.h"

#include "Beskeder.h"
#include "DataMapper.h"
#include "Hub.h"
#include "Platform.h"
#include "Starter.h"
#include "Startupmappe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

QString Tegenskabsform::startupMappe() const
{
    return QString::fromStdString(
        m_hub.platform().startupFolder(m_hub.mapper().brugernavn.toStdString()));
}

void Tegenskabsform::visRegistrering()
{
    const QString iStartup =
        QDir::toNativeSeparators(startupMappe() + QLatin1Char('/') +
                                 QString::fromStdString(m_hub.platform().startupNames().shortcut));
    if (QFileInfo::exists(iStartup) &&
        (tavlumFilename.isEmpty() || !QFileInfo::exists(tavlumFilename)))
        tavlumFilename = iStartup;
    if (!tavlumFilename.isEmpty() && QFileInfo::exists(tavlumFilename))
        tavlumDoButton->setText(QStringLiteral("Fjern"));
    else if (tavlumDoButton->text() == QLatin1String("Fjern"))
        tavlumDoButton->setText(QStringLiteral("Udfør"));
}

void Tegenskabsform::tavlumDoButtonClick()
{
    m_hub.beskeder().besked(QStringLiteral("Det kan tage lidt tid.\r"
                                           "Tryk OK-Knappen for at starte funktionen.\r"
                                           "Der bringes en information, når funktionen er "
                                           "gennemført."));
    makeOptavlum();
    gemButton->setEnabled(true);
}

void Tegenskabsform::makeOptavlum()
{
    if (!QFileInfo(programFil).isFile()) {
        m_hub.beskeder().besked(QStringLiteral("Programfilen blev ikke fundet."));
        return;
    }
    const Platform::StartupNames navne = m_hub.platform().startupNames();
    QString genvej;
    if (const QString dir = m_hub.mapper().Dir; QFileInfo(dir).isDir()) {
        genvej = QDir::toNativeSeparators(dir + QLatin1Char('/') +
                                          QString::fromStdString(navne.shortcut));
        const QString script = m_hub.mapper().strukturDir + QString::fromStdString(navne.script);
        OpenFilMedParametre(script, QLatin1Char('"') + QDir::toNativeSeparators(programFil) +
                                        QStringLiteral("\" \"") + genvej + QLatin1Char('"'));
    }
    TavlumtimerFilename = genvej;
    TavlumtimerCount = 0;
    tavlumTimer.start();
}

void Tegenskabsform::OpenFilMedParametre(const QString& fil, const QString& parametre)
{
    if (!QFileInfo::exists(fil)) {
        m_hub.beskeder().besked(
            QStringLiteral("Der synes at mangle en fil til skabelse af en genvej."));
        return;
    }
    const int svar =
        m_hub.platform().shellExecute("open", fil.toStdString(), parametre.toStdString(), {});
    if (svar <= 32)
        ErrorInfo(static_cast<unsigned>(svar));
}

void Tegenskabsform::tavlumTimerTimer()
{
    const QString mislykket =
        QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");
    ++TavlumtimerCount;
    if (!TavlumtimerFilename.isEmpty() && QFileInfo::exists(TavlumtimerFilename)) {
        tavlumTimer.stop();
        TavlumtimerCount = 0;
        const QString mappe = startupMappe();
        if (!sikrStartupmappe(mappe, QDir::homePath())) {
            m_hub.beskeder().besked(QStringLiteral("Startup-mappen kunne ikke findes."));
            return;
        }
        const QString maal = QDir::toNativeSeparators(mappe + QLatin1Char('/') +
                                                      QFileInfo(TavlumtimerFilename).fileName());
        if (QFileInfo::exists(maal)) {
            if (!QFile::remove(maal)) {
                m_hub.beskeder().besked(mislykket);
                return;
            }
            tavlumFilename.clear();
            tavlumDoButton->setText(QStringLiteral("Indfør"));
            m_hub.beskeder().besked(QStringLiteral("Programmet blev fjernet som StartUp-program."));
        } else {
            if (!QFile::copy(TavlumtimerFilename, maal)) {
                m_hub.beskeder().besked(mislykket);
                return;
            }
            tavlumFilename = maal;
            tavlumDoButton->setText(QStringLiteral("Fjern"));
            m_hub.beskeder().besked(QStringLiteral("Programmet er indført som StartUp-program."));
        }
    } else if (TavlumtimerCount >= 10) {
        TavlumtimerCount = 0;
        tavlumTimer.stop();
        m_hub.beskeder().besked(mislykket);
    }
}

void Tegenskabsform::ErrorInfo(unsigned Nr)
{
    const QString tekst =
        Nr == 31 ? QStringLiteral("Der er ikke associeret noget program til givne "
                                  "filefternavn.\rDer er muligvist valgt: For "
                                  "redigering.\rDer skal muligvist vælges: For kørsel.")
                 : Starter::fejltekst(Nr);
    m_hub.beskeder().besked(QStringLiteral("Fejlinformation:\r") + tekst);
}
