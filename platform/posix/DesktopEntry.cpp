#include "posix/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTextStream>

namespace DesktopEntry {

namespace {

// The key=value lines of one [group] of an ini-style file.
QList<std::pair<QString, QString>> gruppe(const QString& filnavn, const QString& navn)
{
    QList<std::pair<QString, QString>> ud;
    QFile fil(filnavn);
    if (!fil.open(QIODevice::ReadOnly | QIODevice::Text))
        return ud;
    QTextStream in(&fil);
    bool inde = false;
    while (!in.atEnd()) {
        const QString linje = in.readLine().trimmed();
        if (linje.startsWith(u'[')) {
            inde = linje == u'[' + navn + u']';
            continue;
        }
        const qsizetype lig = linje.indexOf(u'=');
        if (inde && lig > 0 && !linje.startsWith(u'#'))
            ud.append({linje.left(lig).trimmed(), linje.mid(lig + 1).trimmed()});
    }
    return ud;
}

QStringList programmapper()
{
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

QString standardI(const QString& mime)
{
    // mimeapps.list first, in freedesktop.org's lookup order, then the caches.
    QStringList lister;
    for (const QString& d :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        lister << d + QStringLiteral("/mimeapps.list");
    for (const QString& d : programmapper())
        lister << d + QStringLiteral("/mimeapps.list") << d + QStringLiteral("/defaults.list");
    for (const QString& liste : lister) {
        for (const auto& [noegle, vaerdi] : gruppe(liste, QStringLiteral("Default Applications"))) {
            if (noegle != mime)
                continue;
            for (const QString& id : vaerdi.split(u';', Qt::SkipEmptyParts))
                if (!find(id).isEmpty())
                    return id;
        }
    }
    for (const QString& d : programmapper()) {
        for (const auto& [noegle, vaerdi] :
             gruppe(d + QStringLiteral("/mimeinfo.cache"), QStringLiteral("MIME Cache"))) {
            if (noegle != mime)
                continue;
            for (const QString& id : vaerdi.split(u';', Qt::SkipEmptyParts))
                if (!find(id).isEmpty())
                    return id;
        }
    }
    return {};
}

} // namespace

Entry laes(const QString& filnavn)
{
    Entry e;
    for (const auto& [noegle, vaerdi] : gruppe(filnavn, QStringLiteral("Desktop Entry"))) {
        if (noegle == QLatin1String("Exec"))
            e.exec = split(vaerdi);
        else if (noegle == QLatin1String("Path"))
            e.path = vaerdi;
        else if (noegle == QLatin1String("Icon"))
            e.icon = vaerdi;
        else if (noegle == QLatin1String("Terminal"))
            e.terminal = vaerdi == QLatin1String("true");
    }
    e.valid = !e.exec.isEmpty();
    return e;
}

QStringList split(const QString& exec)
{
    QStringList ud;
    QString arg;
    bool iArg = false, citat = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (citat) {
            if (c == u'"')
                citat = false;
            else if (c == u'\\' && i + 1 < exec.size())
                arg += exec.at(++i);
            else
                arg += c;
        } else if (c == u'"') {
            citat = iArg = true;
        } else if (c.isSpace()) {
            if (iArg)
                ud << arg;
            arg.clear();
            iArg = false;
        } else {
            arg += c;
            iArg = true;
        }
    }
    if (iArg)
        ud << arg;
    return ud;
}

QStringList medFil(const QStringList& exec, const QString& fil)
{
    QStringList ud;
    bool sat = false;
    for (const QString& arg : exec) {
        if (arg == QLatin1String("%f") || arg == QLatin1String("%F") ||
            arg == QLatin1String("%u") || arg == QLatin1String("%U")) {
            if (!fil.isEmpty())
                ud << fil;
            sat = true;
            continue;
        }
        if (arg == QLatin1String("%i") || arg == QLatin1String("%c") || arg == QLatin1String("%k"))
            continue;
        QString a = arg;
        a.replace(QLatin1String("%%"), QLatin1String("\x01"));
        for (const char* kode :
             {"%f", "%F", "%u", "%U", "%d", "%D", "%n", "%N", "%v", "%m", "%i", "%c", "%k"})
            a.remove(QLatin1String(kode));
        a.replace(QLatin1String("\x01"), QLatin1String("%"));
        ud << a;
    }
    if (!sat && !fil.isEmpty())
        ud << fil;
    return ud;
}

QString standardProgram(const QString& mimeType)
{
    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
    QStringList typer{mimeType};
    if (type.isValid())
        typer << type.allAncestors();
    for (const QString& t : typer)
        if (const QString id = standardI(t); !id.isEmpty())
            return id;
    return {};
}

QString find(const QString& id)
{
    for (const QString& d : programmapper()) {
        const QString sti = d + u'/' + id;
        if (QFileInfo(sti).isFile())
            return sti;
        // Ids with dashes may stand for subfolders (kde-foo.desktop is kde/foo.desktop).
        QString under = id;
        under.replace(u'-', u'/');
        if (under != id && QFileInfo(d + u'/' + under).isFile())
            return d + u'/' + under;
    }
    return {};
}

} // namespace DesktopEntry
