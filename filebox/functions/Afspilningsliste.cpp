#include "functions/Afspilningsliste.h"

#include "Filskriver.h"
#include "functions/Handlinger.h"
#include "functions/Stinavn.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// A browser reads "%" as an escape, "#" and "?" as the end of the path, and a
// backslash as a separator, and drops line breaks and tabs from an address;
// in a name they are the name's own characters.
QString adresse(const QString& sti)
{
    QString ud;
    ud.reserve(sti.size());
    for (const QChar c : sti) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == u'%' || u == u'#' || u == u'?' ||
            (u == u'\\' && QDir::separator() != u'\\'))
            ud += QLatin1Char('%') + QString::number(u, 16).rightJustified(2, u'0').toUpper();
        else
            ud += c;
    }
    return ud;
}

// A file's address relative to the page: "./" first, so that a name such as
// "Intro:Del2.mp4" or "C:x.mp4" is never read as an address with a scheme.
QString relativ(const QString& navn)
{
    return QStringLiteral("./") + adresse(navn);
}

struct Erstatning
{
    char16_t tegn;
    const char* med;
};

// Names are written as they are unless they hold characters that would end
// the text they stand in, so no name can break the page or carry script.
template <std::size_t N> QString erstat(const QString& tekst, const Erstatning (&tabel)[N])
{
    QString ud;
    ud.reserve(tekst.size());
    for (const QChar c : tekst) {
        const Erstatning* e =
            std::find_if(std::begin(tabel), std::end(tabel),
                         [c](const Erstatning& x) { return c.unicode() == x.tegn; });
        if (e == std::end(tabel))
            ud += c;
        else
            ud += QLatin1String(e->med);
    }
    return ud;
}

// Line breaks are kept as characters, so that every line of the page stays one line.
const Erstatning htmlTegn[] = {{u'&', "&amp;"},  {u'<', "&lt;"},         {u'>', "&gt;"},
                               {u'"', "&quot;"}, {u'\'', "&#39;"},       {u'\n', "&#10;"},
                               {u'\r', "&#13;"}, {u'\u2028', "&#8232;"}, {u'\u2029', "&#8233;"}};
// A line break, or U+2028 and U+2029, which older scripts also take as one, ends a string.
const Erstatning scriptTegn[] = {{u'\\', "\\\\"},       {u'"', "\\\""},  {u'\'', "\\'"},
                                 {u'<', "\\x3C"},       {u'>', "\\x3E"}, {u'&', "\\x26"},
                                 {u'\n', "\\n"},        {u'\r', "\\r"},  {u'\u2028', "\\u2028"},
                                 {u'\u2029', "\\u2029"}};

QString html(const QString& tekst)
{
    return erstat(tekst, htmlTegn);
}

QString javascript(const QString& tekst)
{
    return erstat(tekst, scriptTegn);
}

QStringList hoved(const QString& titel, const QString& mappe)
{
    // The root already ends in its separator.
    const QString base = mappe.endsWith(QDir::separator()) ? mappe : mappe + QDir::separator();
    return {QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title>") + titel + QStringLiteral("</title>"),
            QStringLiteral("<base href=\"") + html(adresse(base)) + QStringLiteral("\">"),
            QString()};
}

QStringList script(const QStringList& poster)
{
    QStringList ud{QStringLiteral("function afspil(melodiNo,checkid){"),
                   QStringLiteral("var eleSrc;"), QStringLiteral("switch(melodiNo){")};
    for (qsizetype i = 0; i < poster.size(); ++i)
        ud << QStringLiteral("case %1:").arg(i)
           << QStringLiteral("eleSrc=\"") + javascript(relativ(poster.at(i))) +
                  QStringLiteral("\";")
           << QStringLiteral("break;");
    ud << QStringLiteral("}") << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
       << QStringLiteral("ele.src=eleSrc;") << QStringLiteral("ele.autoplay=true;")
       << QStringLiteral("document.getElementById(checkid).checked=true;}");
    return ud;
}

QStringList stil(const QString& symbol)
{
    return {QStringLiteral("<style type=\"text/css\">"),
            QStringLiteral("*{font-family: Verdana; font-size: 9pt; color #000000;}"),
            QStringLiteral("caption{"),
            QStringLiteral("color: #0000FF;"),
            QStringLiteral("margin-bottom: 4px;"),
            QStringLiteral("}"),
            QStringLiteral("table,th,td{"),
            QStringLiteral("border: 1px solid #888888;"),
            QStringLiteral("border-collapse:collapse;"),
            QStringLiteral("}"),
            QStringLiteral("th{"),
            QStringLiteral("padding-left: 4px;"),
            QStringLiteral("padding-right: 4px;"),
            QStringLiteral("padding-top: 4px;"),
            QStringLiteral("padding-bottom: 4px;"),
            QStringLiteral("color: #FFFFFF;"),
            QStringLiteral("background-color:#228822;"),
            QStringLiteral("text-align: left;"),
            QStringLiteral("}"),
            QStringLiteral("td{"),
            QStringLiteral("padding-left: 4px;"),
            QStringLiteral("padding-right: 4px;"),
            QStringLiteral("padding-top: 2px;"),
            QStringLiteral("padding-bottom: 2px;"),
            QStringLiteral("}"),
            QStringLiteral("button::before{"),
            QStringLiteral("content: \"\\") + symbol + QStringLiteral("\" \" \";"),
            QStringLiteral("}"),
            QStringLiteral("</style>")};
}

QStringList tabel(const QString& overskrift, const QString& knapord, const QStringList& poster)
{
    QStringList ud{QStringLiteral("<table>"),
                   QStringLiteral("<caption>") + overskrift + QStringLiteral("</caption>"),
                   QStringLiteral("<colgroup>"),
                   QStringLiteral(" <col span=\"1\" style=\"background-color: #DDDDDD;\">"),
                   QStringLiteral(" <col span=\"1\" style=\"background-color: #FFFFFF;\">"),
                   QStringLiteral(" <col style=\"background-color: #FFFFFF;\">"),
                   QStringLiteral("</colgroup>"),
                   QStringLiteral("<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>")};
    for (qsizetype i = 0; i < poster.size(); ++i) {
        const QString id = QStringLiteral("melodi%1").arg(i);
        ud << QStringLiteral("<tr>")
           << QStringLiteral(" <td><input type=\"radio\" name=\"aktuel\" id=\"") + id +
                  (i == 0 ? QStringLiteral("\" disabled checked></td>")
                          : QStringLiteral("\" disabled></td>"))
           << QStringLiteral(" <td>") + html(poster.at(i)) + QStringLiteral("</td>")
           << QStringLiteral(" <td><button onclick=\"afspil(%1,'%2')\">").arg(i).arg(id) + knapord +
                  QStringLiteral("</button></td>")
           << QStringLiteral("</tr>");
    }
    ud << QStringLiteral("</table>");
    return ud;
}

QStringList stoerrelser()
{
    QStringList ud{QStringLiteral("<div>"), QStringLiteral("<table>"),
                   QStringLiteral("<caption>Billedstørrelse</caption>")};
    for (int v = 100; v > 0; v -= 10) {
        if (v == 100 || v == 50)
            ud << QStringLiteral("<tr>");
        ud << (v == 100
                   ? QStringLiteral("<td><input type=\"radio\" name=\"bredde\" checked=\"true\" "
                                    "onclick=\"setProcent(100)\">100%</td>")
                   : QStringLiteral("<td><input type=\"radio\" name=\"bredde\" "
                                    "onclick=\"setProcent(%1)\">%1%</td>")
                         .arg(v));
        if (v == 60 || v == 10)
            ud << QStringLiteral("</tr>");
    }
    ud << QStringLiteral("</table><br>") << QString();
    return ud;
}

QString kilde(const QString& post)
{
    return html(relativ(post));
}

} // namespace

namespace Afspilningsliste {

QStringList poster(const QStringList& tekster)
{
    QStringList ud;
    for (const QString& t : tekster)
        if (THandlinger::extension(t).size() > 1)
            ud << t;
    return ud;
}

QStringList linjer(int aFiltype, const QString& mappe, const QStringList& poster)
{
    const QString foerste = kilde(poster.value(0));
    QStringList ud;
    switch (aFiltype) {
    case Film:
        ud << hoved(QStringLiteral("Filmliste"), mappe) << QStringLiteral("<script>")
           << script(poster) << QStringLiteral("</script>") << QString()
           << stil(QStringLiteral("25B6")) << QString() << QStringLiteral("</head>")
           << QStringLiteral("<body style=\"display: flex; flex-wrap: wrap;\">") << QString()
           << QStringLiteral("<div>")
           << QStringLiteral("<video controls id=\"afspiller\" style=\"width: auto;\">")
           << QStringLiteral("<source src=\"") + foerste + QStringLiteral("\">")
           << QStringLiteral("</video>") << QStringLiteral("</div>") << QString()
           << QStringLiteral("<div style=\"margin: 16px 0px 0px 16px;\">")
           << tabel(QStringLiteral("Filmliste"), QStringLiteral("Afspil"), poster)
           << QStringLiteral("</div>") << QString();
        break;
    case Musik:
        ud << hoved(QStringLiteral("Musikliste"), mappe) << QStringLiteral("<script>")
           << script(poster) << QStringLiteral("</script>") << QString()
           << stil(QStringLiteral("266C")) << QString() << QStringLiteral("</head>")
           << QStringLiteral("<body>") << QString()
           << QStringLiteral("<audio controls id=\"afspiller\" style=\"width: auto;\">")
           << QStringLiteral("<source src=\"") + foerste + QStringLiteral("\">")
           << QStringLiteral("</audio><br>") << QString()
           << tabel(QStringLiteral("Musikliste"), QStringLiteral("Afspil"), poster) << QString();
        break;
    default:
        ud << hoved(QStringLiteral("Billedliste"), mappe) << QStringLiteral("<script>")
           << QStringLiteral("function setProcent(procent){")
           << QStringLiteral("procent=procent+\"%\";")
           << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
           << QStringLiteral("ele.style.width=procent;")
           << QStringLiteral("ele.style.height=procent;}") << QString() << script(poster)
           << QStringLiteral("</script>") << QString() << stil(QStringLiteral("25B6")) << QString()
           << QStringLiteral("</head>")
           << QStringLiteral("<body style=\"display: flex; flex-wrap: wrap;\">") << QString()
           << stoerrelser() << tabel(QStringLiteral("Billedliste"), QStringLiteral("Vis"), poster)
           << QStringLiteral("</div>") << QString()
           << QStringLiteral("<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" src=\"") +
                  foerste + QStringLiteral("\">")
           << QString();
        break;
    }
    ud << QStringLiteral("</body>") << QStringLiteral("</html>");
    return ud;
}

bool skriv(const QString& sti, const QStringList& linjer)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& l : linjer)
        bytes += l.toUtf8() + "\r\n";
    // A new page only: never one that appeared since its name was chosen.
    return !QFileInfo::exists(sti) && Filskriver::skriv(sti, bytes).isEmpty();
}

} // namespace Afspilningsliste

bool THandlinger::SkrivTekstfil(const QString& aFilename, int aFiltype)
{
    // The page is written by Qt's own file calls, which reach only a folder whose name is text.
    if (!Stinavn::erTekst(Grundmappe))
        return false;
    QStringList tekster;
    for (int i = 0; Struktur2 && i < noder().antal(); ++i)
        if (Struktur2->erValgt(i))
            tekster << noder().navn(i);
    const QStringList poster = Afspilningsliste::poster(tekster);
    if (poster.isEmpty())
        return false;
    const QString sti = getNewFilename(QDir(Grundmappe).filePath(aFilename), {});
    if (!Afspilningsliste::skriv(QDir::toNativeSeparators(sti),
                                 Afspilningsliste::linjer(aFiltype, Grundmappe, poster)))
        return false;
    makeStruktur2(Grundmappe, false, true);
    const QString navn = getLastDirectory(sti);
    for (int i = 0; Struktur2 && i < noder().antal(); ++i)
        if (noder().navn(i).compare(navn, Qt::CaseInsensitive) == 0) {
            Struktur2->vaelg(i);
            break;
        }
    Filnavn = QDir::toNativeSeparators(sti);
    return true;
}
