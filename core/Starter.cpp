#include "Starter.h"

#include "Beskeder.h"
#include "Grupper.h"
#include "Platform.h"

#include <QDir>
#include <QFileInfo>

void Starter::executeProg(const QString& text, const QString& parametre,
                          const QString& startmappe)
{
    const QFileInfo fil(text);
    if (!fil.isFile()) {
        m_beskeder.besked(QStringLiteral("Filen blev ikke fundet!"));
        return;
    }
    if (!startmappe.isEmpty() && !QFileInfo(startmappe).isDir()) {
        m_beskeder.besked(QStringLiteral("Startmappen blev ikke fundet!\r") + startmappe);
        return;
    }
    const QString ext = Grupper::udvidelse(text);
    const std::string mappe = QDir::toNativeSeparators(fil.absolutePath()).toStdString();
    int svar;
    // Linux shell scripts are the batch files of this platform.
    if (ext == QLatin1String(".bat") || ext == QLatin1String(".sh")) {
        // From another folder the script is named by its whole path.
        const bool egenMappe = startmappe.isEmpty();
        m_platform.setCurrentFolder(egenMappe ? mappe
                                              : QDir::toNativeSeparators(startmappe).toStdString());
        QString kommando = QStringLiteral("/K ") +
                           (egenMappe ? fil.fileName()
                                      : QDir::toNativeSeparators(fil.absoluteFilePath()));
        if (!parametre.isEmpty())
            kommando += u' ' + parametre;
        svar = aabn(text, "cmd", kommando.toStdString(), {});
    } else {
        svar = aabn(text, text.toStdString(), parametre.toStdString(),
                    QDir::toNativeSeparators(startmappe).toStdString());
        if (svar > 32)
            m_platform.setCurrentFolder(mappe);
    }
    // The user who said no to an untrusted file knows why it did not run.
    if (svar <= 32 && svar != Platform::UntrustedEntry)
        m_beskeder.besked(startfejl(static_cast<unsigned>(svar), text));
}

void Starter::startAlle(const QStringList& filer, const QStringList& tekster,
                        const QStringList& parametre, const QStringList& startmapper)
{
    constexpr qsizetype udenSpoergsmaal = 5;
    if (filer.size() > udenSpoergsmaal &&
        !m_beskeder.spoerg(
            QStringLiteral("Skal alle %1 elementer i gruppen startes?").arg(filer.size())))
        return;
    QStringList mangler;
    for (qsizetype i = 0; i < filer.size(); ++i) {
        if (QFileInfo(filer.at(i)).isFile())
            executeProg(filer.at(i), parametre.value(i), startmapper.value(i));
        else
            mangler << tekster.value(i) + QStringLiteral(": ") + filer.at(i);
    }
    if (!mangler.isEmpty())
        m_beskeder.besked((mangler.size() == 1
                               ? QStringLiteral("Dette element blev ikke fundet og er ikke "
                                                "startet:\r")
                               : QStringLiteral("Disse %1 elementer blev ikke fundet og er ikke "
                                                "startet:\r")
                                     .arg(mangler.size())) +
                          mangler.join(u'\r'));
}

int Starter::aabn(const QString& fil, const std::string& program, const std::string& param,
                  const std::string& mappe)
{
    const int svar = m_platform.shellExecute("open", program, param, mappe);
    if (svar != Platform::UntrustedEntry || !m_beskeder.spoerg(utroetSpoergsmaal(fil, program)))
        return svar;
    // As the desktop file managers do: a file the user allowed once runs
    // without the question from then on. One that cannot be marked runs this once.
    m_platform.markTrusted(fil.toStdString());
    return m_platform.shellExecute("openConfirmed", program, param, mappe);
}

QString Starter::utroetSpoergsmaal(const QString& fil, const std::string& program) const
{
    if (program == "cmd")
        return QStringLiteral("Scriptet\r%1\rer ikke markeret som kørbart. Det køres i et "
                              "terminalvindue.\rSkal det køres alligevel?")
            .arg(fil);
    // A line too long to read, or with breaks of its own, is shown in part.
    QString linje = QString::fromStdString(m_platform.programLine(fil.toStdString())).simplified();
    if (linje.size() > 300)
        linje = linje.left(300) + QStringLiteral("…");
    return QStringLiteral("Skrivebordsfilen\r%1\rer ikke markeret som kørbar og ligger ikke i "
                          "en programmappe. Den starter programlinjen:\r%2\rSkal den startes "
                          "alligevel?")
        .arg(fil, linje);
}

QString Starter::startfejl(unsigned Nr, const QString& fil) const
{
    QString tekst = fejltekst(Nr);
    if (Nr == Platform::NoTerminal) {
        QStringList navne;
        for (const std::string& t : m_platform.terminals())
            navne << QString::fromStdString(t);
        const QString sidste = navne.isEmpty() ? QString() : navne.takeLast();
        tekst +=
            QStringLiteral("\rDer blev ledt efter ") +
            (navne.isEmpty() ? sidste
                             : navne.join(QStringLiteral(", ")) + QStringLiteral(" og ") + sidste) +
            u'.';
    }
    return tekst + u'\r' + fil;
}

void Starter::runApplets(const QString& appletsDir, const QString& aFilename)
{
    const QString fuld = appletsDir + aFilename;
    if (!QFileInfo(fuld).isFile()) {
        ErrorInfo(2);
        return;
    }
    m_platform.runScript(fuld.toStdString(), [this, vagt = std::weak_ptr<int>(m_vagt)](
                                                 const Platform::ScriptResult& r) {
        if (vagt.expired())
            return;
        if (r.shellResult <= 32)
            ErrorInfo(static_cast<unsigned>(r.shellResult));
        else if (r.exitStatus == ingenSide)
            m_beskeder.besked(QString::fromStdString(r.output).trimmed());
    });
}

void Starter::ErrorInfo(unsigned Nr)
{
    m_beskeder.besked(fejltekst(Nr));
}

QString Starter::fejltekst(unsigned Nr)
{
    switch (Nr) {
    case 0:
        return QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
    case 2:
        return QStringLiteral("Den specificerede fil blev ikke fundet.");
    case 3:
        return QStringLiteral("Stien blev ikke fundet.");
    case 5:
        return QStringLiteral("Operationssystemet forbød adgang til filen.");
    case 8:
        return QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.");
    case 11:
        return QStringLiteral(
            "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
    case 26:
        return QStringLiteral("Der opstod en \"sharing violation\".");
    case 27:
        return QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid");
    case 28:
        return QStringLiteral(
            "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
    case 29:
        return QStringLiteral("\"DDE transaction\" mislykkedes.");
    case 30:
        return QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke "
                              "fuldføres\rfordi andre \"DDE transactions\" skulle udføres.");
    case 31:
        return QStringLiteral("Der er ikke associeret noget program med givne filefternavn.");
    case 32:
        return QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    case Platform::NoProgramLine:
        return QStringLiteral("Skrivebordsfilen har ingen programlinje (Exec), der kan køres.");
    case Platform::NoTerminal:
        return QStringLiteral("Filen skal køres i et terminalprogram, men der er ikke "
                              "installeret noget.");
    case Platform::ProgramNotFound:
        return QStringLiteral("Programmet, som filen skal åbnes med, er ikke installeret.");
    case Platform::NotStartable:
        return QStringLiteral("Programmet kunne ikke startes.");
    case Platform::UntrustedEntry:
        return QStringLiteral("Filen er ikke markeret som kørbar, så den startes ikke.");
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}
