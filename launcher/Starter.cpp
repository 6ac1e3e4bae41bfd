#include "Starter.h"

#include "Beskeder.h"
#include "Grupper.h"
#include "Platform.h"

#include <QDir>
#include <QFileInfo>

void Starter::executeProg(const QString& text)
{
    const QFileInfo fil(text);
    if (!fil.isFile()) {
        m_beskeder.besked(QStringLiteral("Filen blev ikke fundet!"));
        return;
    }
    const QString ext = Grupper::udvidelse(text);
    const std::string mappe = QDir::toNativeSeparators(fil.absolutePath()).toStdString();
    // Linux shell scripts are the batch files of this platform.
    if (ext == QLatin1String(".bat") || ext == QLatin1String(".sh")) {
        m_platform.setCurrentFolder(mappe);
        const int svar =
            m_platform.shellExecute("open", "cmd", ("/K " + fil.fileName()).toStdString(), {});
        if (svar <= 32)
            ErrorInfo(static_cast<unsigned>(svar));
        return;
    }
    const int svar = m_platform.shellExecute("open", text.toStdString(), {}, {});
    if (svar > 32)
        m_platform.setCurrentFolder(mappe);
    else
        ErrorInfo(static_cast<unsigned>(svar));
}

void Starter::runApplets(const QString& appletsDir, const QString& aFilename)
{
    const QString fuld = appletsDir + aFilename;
    if (!QFileInfo(fuld).isFile()) {
        ErrorInfo(2);
        return;
    }
    const int svar = m_platform.shellExecute("open", fuld.toStdString(), {}, {});
    if (svar <= 32)
        ErrorInfo(static_cast<unsigned>(svar));
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
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}
