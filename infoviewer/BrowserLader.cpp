#include "Browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

std::unique_ptr<Browser> Browser::lav(QWidget* parent, bool udenSandkasse, QString* fejl)
{
    // Beside the program's folder, as the build names it.
    static QLibrary bibliotek(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TAVLUM_BROWSER_STI)));
    const auto lav = reinterpret_cast<LavBrowser>(bibliotek.resolve("tavlumLavBrowser"));
    if (!lav) {
        if (fejl)
            *fejl = QStringLiteral("Browseren kunne ikke indlæses: ") + bibliotek.errorString();
        return nullptr;
    }
    return std::unique_ptr<Browser>(lav(parent, udenSandkasse));
}
