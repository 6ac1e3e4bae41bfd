#include "posix/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStringTokenizer>

namespace DesktopEntry {

namespace {

// Far beyond any real entry or cache, and small enough to read whole.
constexpr qint64 hoejstFil = 4 * 1024 * 1024;
// The kernel takes no single argument longer than this.
constexpr qsizetype hoejstLinje = 128 * 1024;

// The key=value lines of one [group] of an ini-style file.
QList<std::pair<QString, QString>> gruppe(const QString& filnavn, const QString& navn)
{
    QList<std::pair<QString, QString>> ud;
    QFile fil(filnavn);
    if (!fil.open(QIODevice::ReadOnly))
        return ud;
    const QString indhold = QString::fromUtf8(fil.read(hoejstFil));
    bool inde = false;
    for (QStringView linje : QStringTokenizer(indhold, u'\n')) {
        linje = linje.trimmed();
        if (linje.startsWith(u'[')) {
            inde = linje == QString(u'[' + navn + u']');
            continue;
        }
        const qsizetype lig = linje.indexOf(u'=');
        if (inde && lig > 0 && !linje.startsWith(u'#'))
            ud.append(
                {linje.left(lig).trimmed().toString(), linje.mid(lig + 1).trimmed().toString()});
    }
    return ud;
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

// The first of the keys the entry has, in the order given.
QString foerste(const QHash<QString, QString>& noegler, const QStringList& navne)
{
    for (const QString& n : navne)
        if (const auto it = noegler.constFind(n); it != noegler.cend())
            return *it;
    return {};
}

} // namespace

QStringList programmapper()
{
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

Entry laes(const QString& filnavn)
{
    QHash<QString, QString> noegler;
    for (const auto& [noegle, vaerdi] : gruppe(filnavn, QStringLiteral("Desktop Entry")))
        noegler.insert(noegle, vaerdi);
    Entry e;
    e.location = filnavn;
    e.execLine = noegler.value(QStringLiteral("Exec"));
    e.path = udpak(noegler.value(QStringLiteral("Path")));
    e.icon = udpak(noegler.value(QStringLiteral("Icon")));
    const QString sprog = QLocale().name();
    e.name = udpak(foerste(noegler, {QStringLiteral("Name[%1]").arg(sprog),
                                     QStringLiteral("Name[%1]").arg(sprog.section(u'_', 0, 0)),
                                     QStringLiteral("Name")}));
    e.terminal = noegler.value(QStringLiteral("Terminal")) == QLatin1String("true");
    if (noegler.value(QStringLiteral("Type")) == QLatin1String("Link"))
        e.url = udpak(noegler.value(QStringLiteral("URL")));
    if (e.execLine.size() <= hoejstLinje)
        e.exec = split(udpak(e.execLine));
    e.valid = !e.exec.isEmpty() && kenderFeltkoder(e.exec);
    return e;
}

QString udpak(const QString& vaerdi)
{
    QString ud;
    ud.reserve(vaerdi.size());
    for (qsizetype i = 0; i < vaerdi.size(); ++i) {
        const QChar c = vaerdi.at(i);
        if (c != u'\\' || i + 1 == vaerdi.size()) {
            ud += c;
            continue;
        }
        // \s, \n, \t, \r and \\; any other is left for the quoting rules of a program line.
        static const QString koder = QStringLiteral("sntr\\"), tegn = QStringLiteral(" \n\t\r\\");
        const QChar kode = vaerdi.at(++i);
        if (const qsizetype k = koder.indexOf(kode); k >= 0) {
            ud += tegn.at(k);
        } else {
            ud += c;
            ud += kode;
        }
    }
    return ud;
}

QStringList split(const QString& exec)
{
    QStringList ud;
    QString arg;
    bool iArg = false, citat = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (citat) {
            if (c == u'"') {
                citat = false;
            } else if (c == u'\\' && i + 1 < exec.size() &&
                       QStringView(u"\"`$\\").contains(exec.at(i + 1))) {
                arg += exec.at(++i);
            } else {
                arg += c;
            }
        } else if (c == u'"') {
            citat = iArg = true;
        } else if (c == u' ' || c == u'\t' || c == u'\n') {
            if (iArg)
                ud << arg;
            arg.clear();
            iArg = false;
        } else {
            arg += c;
            iArg = true;
        }
    }
    if (citat)
        return {};
    if (iArg)
        ud << arg;
    return ud;
}

bool kenderFeltkoder(const QStringList& exec)
{
    static const QString kendte = QStringLiteral("fFuUdDnNickvm%");
    for (const QString& arg : exec) {
        for (qsizetype i = arg.indexOf(u'%'); i >= 0; i = arg.indexOf(u'%', i + 2))
            if (i + 1 == arg.size() || !kendte.contains(arg.at(i + 1)))
                return false;
    }
    return true;
}

QStringList medFil(const Entry& entry, const QString& fil)
{
    static const QString filkoder = QStringLiteral("fFuU");
    QStringList ud;
    bool sat = false;
    for (const QString& arg : entry.exec) {
        // A code standing alone gives whole arguments, or none.
        if (arg.size() == 2 && arg.at(0) == u'%' && arg.at(1) != u'%') {
            const QChar kode = arg.at(1);
            if (filkoder.contains(kode)) {
                sat = true;
                if (!fil.isEmpty())
                    ud << fil;
            } else if (kode == u'i' && !entry.icon.isEmpty()) {
                ud << QStringLiteral("--icon") << entry.icon;
            } else if (kode == u'c' || kode == u'k') {
                ud << (kode == u'c' ? entry.name : entry.location);
            }
            continue;
        }
        QString a;
        for (qsizetype i = 0; i < arg.size(); ++i) {
            if (arg.at(i) != u'%' || i + 1 == arg.size()) {
                a += arg.at(i);
                continue;
            }
            const QChar kode = arg.at(++i);
            if (kode == u'%') {
                a += u'%';
            } else if (filkoder.contains(kode)) {
                sat = true;
                a += fil;
            } else if (kode == u'c') {
                a += entry.name;
            } else if (kode == u'k') {
                a += entry.location;
            } else if (kode == u'i') {
                a += entry.icon;
            }
        }
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
