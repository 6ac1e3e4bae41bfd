#include "Kaede.h"
#include "functions/Afspilningsliste.h"

#include <QFile>

namespace {

class Afspilning : public Kaede
{
protected:
    // Lists the folder and selects the entries of these texts.
    void vaelg(const QString& mappenavn, const QStringList& tekster)
    {
        funk.makeStruktur2(mkdir(mappenavn), false, true);
        auto* valg = liste.selectionModel();
        valg->clear();
        for (int i = 0; i < liste.antal(); ++i)
            if (tekster.contains(liste.noder().tekst(i)))
                valg->select(liste.noder().index(i), QItemSelectionModel::Select);
    }
    QByteArray side(const QString& relativ) const { return mappe.laes(relativ); }
    // The page's lines, after checking that it is UTF-8 with a byte-order mark and CR LF.
    QStringList linjer(const QString& relativ) const
    {
        QByteArray bytes = side(relativ);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_TRUE(bytes.endsWith("</html>\r\n"));
        bytes.remove(0, 3);
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        QStringList ud = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
        ud.removeLast();
        return ud;
    }
};

} // namespace

TEST_F(Afspilning, ThreeFilmsGiveThePageLineForLineAndTheNewPageIsSelected)
{
    for (const char* f : {"a.mp4", "b.mp4", "c.mp4"})
        mappe.skriv(QStringLiteral("film/") + f, "x");
    vaelg("film", {"c.mp4", "a.mp4", "b.mp4"});
    ASSERT_TRUE(funk.SkrivTekstfil("Film_afspilningsliste.html", 1));

    const QString mappen = mappe.sti("film");
    QStringList forventet{"<!DOCTYPE html>",
                          "<html>",
                          "<head>",
                          "<title>Filmliste</title>",
                          "<base href=\"" + mappen + "/\">",
                          "",
                          "<script>",
                          "function afspil(melodiNo,checkid){",
                          "var eleSrc;",
                          "switch(melodiNo){"};
    for (int i = 0; i < 3; ++i)
        forventet << QStringLiteral("case %1:").arg(i)
                  << QStringLiteral("eleSrc=\"./%1.mp4\";").arg(QChar('a' + i)) << "break;";
    forventet << "}"
              << "var ele=document.getElementById(\"afspiller\");"
              << "ele.src=eleSrc;"
              << "ele.autoplay=true;"
              << "document.getElementById(checkid).checked=true;}"
              << "</script>"
              << ""
              << "<style type=\"text/css\">"
              << "*{font-family: Verdana; font-size: 9pt; color #000000;}"
              << "caption{"
              << "color: #0000FF;"
              << "margin-bottom: 4px;"
              << "}"
              << "table,th,td{"
              << "border: 1px solid #888888;"
              << "border-collapse:collapse;"
              << "}"
              << "th{"
              << "padding-left: 4px;"
              << "padding-right: 4px;"
              << "padding-top: 4px;"
              << "padding-bottom: 4px;"
              << "color: #FFFFFF;"
              << "background-color:#228822;"
              << "text-align: left;"
              << "}"
              << "td{"
              << "padding-left: 4px;"
              << "padding-right: 4px;"
              << "padding-top: 2px;"
              << "padding-bottom: 2px;"
              << "}"
              << "button::before{"
              << "content: \"\\25B6\" \" \";"
              << "}"
              << "</style>"
              << ""
              << "</head>"
              << "<body style=\"display: flex; flex-wrap: wrap;\">"
              << ""
              << "<div>"
              << "<video controls id=\"afspiller\" style=\"width: auto;\">"
              << "<source src=\"./a.mp4\">"
              << "</video>"
              << "</div>"
              << ""
              << "<div style=\"margin: 16px 0px 0px 16px;\">"
              << "<table>"
              << "<caption>Filmliste</caption>"
              << "<colgroup>"
              << " <col span=\"1\" style=\"background-color: #DDDDDD;\">"
              << " <col span=\"1\" style=\"background-color: #FFFFFF;\">"
              << " <col style=\"background-color: #FFFFFF;\">"
              << "</colgroup>"
              << "<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>";
    for (int i = 0; i < 3; ++i)
        forventet << "<tr>"
                  << QStringLiteral(" <td><input type=\"radio\" name=\"aktuel\" id=\"melodi%1\" "
                                    "disabled%2></td>")
                         .arg(i)
                         .arg(i == 0 ? " checked" : "")
                  << QStringLiteral(" <td>%1.mp4</td>").arg(QChar('a' + i))
                  << QStringLiteral(
                         " <td><button onclick=\"afspil(%1,'melodi%1')\">Afspil</button></td>")
                         .arg(i)
                  << "</tr>";
    forventet << "</table>"
              << "</div>"
              << ""
              << "</body>"
              << "</html>";
    EXPECT_EQ(linjer("film/Film_afspilningsliste.html"), forventet);

    EXPECT_EQ(funk.Filnavn, mappe.sti("film/Film_afspilningsliste.html"));
    EXPECT_EQ(valgtTekst(), "Film_afspilningsliste.html");
}

TEST_F(Afspilning, AnExistingPageIsKeptAndTheNewOneTakesTheNextFreeName)
{
    mappe.skriv("m/sang.mp3", "x");
    mappe.skriv("m/Musik_afspilningsliste.html", "gammel");
    vaelg("m", {"sang.mp3"});
    ASSERT_TRUE(funk.SkrivTekstfil("Musik_afspilningsliste.html", 2));
    EXPECT_EQ(side("m/Musik_afspilningsliste.html"), "gammel");
    EXPECT_EQ(valgtTekst(), "Musik_afspilningsliste (1).html");
    vaelg("m", {"sang.mp3"});
    ASSERT_TRUE(funk.SkrivTekstfil("Musik_afspilningsliste.html", 2));
    EXPECT_EQ(funk.Filnavn, mappe.sti("m/Musik_afspilningsliste (2).html"));
    EXPECT_TRUE(side("m/Musik_afspilningsliste (1).html").contains("sang.mp3"));
}

TEST_F(Afspilning, FoldersWithoutADotAreLeftOutAndAnyFileWithAnExtensionIsListed)
{
    mkdir("f/Serier");
    mkdir("f/Sæson.2");
    mappe.skriv("f/a.mp4", "x");
    mappe.skriv("f/noter.txt", "x");
    vaelg("f", {"Serier", "Sæson.2", "a.mp4", "noter.txt"});
    ASSERT_TRUE(funk.SkrivTekstfil("Film_afspilningsliste.html", 1));
    const QString tekst = linjer("f/Film_afspilningsliste.html").join(u'\n');
    EXPECT_FALSE(tekst.contains("Serier"));
    EXPECT_TRUE(tekst.contains("case 0:\neleSrc=\"./Sæson.2\";"));
    EXPECT_TRUE(tekst.contains("case 1:\neleSrc=\"./a.mp4\";"));
    EXPECT_TRUE(tekst.contains("case 2:\neleSrc=\"./noter.txt\";"));
    EXPECT_FALSE(tekst.contains("case 3:"));
}

TEST_F(Afspilning, ASelectionWithoutAnyExtensionOrAFolderThatIsGoneWritesNoFile)
{
    mkdir("t/Serier");
    vaelg("t", {"Serier"});
    EXPECT_FALSE(funk.SkrivTekstfil("Film_afspilningsliste.html", 1));
    vaelg("t", {});
    EXPECT_FALSE(funk.SkrivTekstfil("Film_afspilningsliste.html", 1));
    EXPECT_EQ(tekster(), QStringList{"Serier"});

    mappe.skriv("v/a.mp4", "x");
    vaelg("v", {"a.mp4"});
    QDir(mappe.sti("v")).removeRecursively();
    EXPECT_FALSE(funk.SkrivTekstfil("Film_afspilningsliste.html", 1));
    EXPECT_FALSE(QFile::exists(mappe.sti("v")));
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Afspilning, TheMusicPageHasAPlainBodyAndNoDivisions)
{
    mappe.skriv("m/en.mp3", "x");
    mappe.skriv("m/to.m4a", "x");
    vaelg("m", {"en.mp3", "to.m4a"});
    ASSERT_TRUE(funk.SkrivTekstfil("Musik_afspilningsliste.html", 2));
    const QStringList l = linjer("m/Musik_afspilningsliste.html");
    EXPECT_EQ(l.at(3), "<title>Musikliste</title>");
    EXPECT_TRUE(l.contains("content: \"\\266C\" \" \";"));
    const qsizetype krop = l.indexOf("<body>");
    ASSERT_GT(krop, 0);
    EXPECT_EQ(l.mid(krop, 7),
              QStringList({"<body>", "", "<audio controls id=\"afspiller\" style=\"width: auto;\">",
                           "<source src=\"./en.mp3\">", "</audio><br>", "", "<table>"}));
    EXPECT_EQ(l.mid(l.size() - 4), QStringList({"</table>", "", "</body>", "</html>"}));
    EXPECT_FALSE(l.join(u'\n').contains("<div"));
}

TEST_F(Afspilning, ThePicturePageHasSizeButtonsAShowButtonAndThePictureAfterTheTable)
{
    mappe.skriv("b/foto.jpg", "x");
    vaelg("b", {"foto.jpg"});
    ASSERT_TRUE(funk.SkrivTekstfil("Billed_afspilningsliste.html", 3));
    const QStringList l = linjer("b/Billed_afspilningsliste.html");
    EXPECT_EQ(
        l.mid(6, 8),
        QStringList({"<script>", "function setProcent(procent){", "procent=procent+\"%\";",
                     "var ele=document.getElementById(\"afspiller\");", "ele.style.width=procent;",
                     "ele.style.height=procent;}", "", "function afspil(melodiNo,checkid){"}));
    const qsizetype stoerrelse = l.indexOf("<caption>Billedstørrelse</caption>");
    ASSERT_GT(stoerrelse, 0);
    QStringList knapper{"<tr>", "<td><input type=\"radio\" name=\"bredde\" checked=\"true\" "
                                "onclick=\"setProcent(100)\">100%</td>"};
    for (int v = 90; v > 0; v -= 10) {
        if (v == 50)
            knapper << "</tr>"
                    << "<tr>";
        knapper
            << QStringLiteral(
                   "<td><input type=\"radio\" name=\"bredde\" onclick=\"setProcent(%1)\">%1%</td>")
                   .arg(v);
    }
    knapper << "</tr>"
            << "</table><br>"
            << ""
            << "<table>"
            << "<caption>Billedliste</caption>";
    EXPECT_EQ(l.mid(stoerrelse + 1, knapper.size()), knapper);
    EXPECT_TRUE(l.contains(" <td><button onclick=\"afspil(0,'melodi0')\">Vis</button></td>"));
    EXPECT_EQ(l.mid(l.size() - 7),
              QStringList({"</table>", "</div>", "",
                           "<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" "
                           "src=\"./foto.jpg\">",
                           "", "</body>", "</html>"}));
}

TEST_F(Afspilning, NamesThatWouldBreakThePageAreEscapedWhereTheyAreWritten)
{
    const QString navn = QStringLiteral("a\"b<c>&'d\\e.mp4");
    mappe.skriv("s/" + navn, "x");
    const QString kode = QStringLiteral("<img src=x onerror=alert(1)>.mp4");
    mappe.skriv("s/" + kode, "x");
    vaelg("s", {navn, kode});
    ASSERT_TRUE(funk.SkrivTekstfil("Film_afspilningsliste.html", 1));
    const QStringList l = linjer("s/Film_afspilningsliste.html");
    EXPECT_TRUE(l.contains("eleSrc=\"./a\\\"b\\x3Cc\\x3E\\x26\\'d%5Ce.mp4\";"));
    EXPECT_TRUE(l.contains(" <td>a&quot;b&lt;c&gt;&amp;&#39;d\\e.mp4</td>"));
    EXPECT_TRUE(l.contains("eleSrc=\"./\\x3Cimg src=x onerror=alert(1)\\x3E.mp4\";"));
    EXPECT_TRUE(l.contains(" <td>&lt;img src=x onerror=alert(1)&gt;.mp4</td>"));
    EXPECT_FALSE(l.join(u'\n').contains("<img src=x"));

    // Characters that end or escape an address are the name's own.
    mappe.skriv("s/50% #1?.mp4", "x");
    vaelg("s", {"50% #1?.mp4"});
    ASSERT_TRUE(funk.SkrivTekstfil("Film_afspilningsliste.html", 1));
    EXPECT_TRUE(
        linjer("s/Film_afspilningsliste (1).html").contains("eleSrc=\"./50%25 %231%3F.mp4\";"));
}

TEST(Afspilningsliste, LineBreaksInNamesNeverBreakALineOfThePage)
{
    const QStringList navne{"a\nb.mp4", "c\r\nd.mp4", QStringLiteral("e\u2028f\u2029g.mp4"),
                            "Intro:Del2.mp4"};
    const QStringList l = Afspilningsliste::linjer(Afspilningsliste::Film, "/m", navne);
    EXPECT_EQ(l.size(), Afspilningsliste::linjer(Afspilningsliste::Film, "/m",
                                                 {"1.mp4", "2.mp4", "3.mp4", "4.mp4"})
                            .size());
    for (const QString& linje : l)
        for (const QChar c : {QChar(u'\n'), QChar(u'\r'), QChar(u'\u2028'), QChar(u'\u2029')})
            EXPECT_FALSE(linje.contains(c)) << linje.toStdString();
    EXPECT_TRUE(l.contains("eleSrc=\"./a%0Ab.mp4\";"));
    EXPECT_TRUE(l.contains(" <td>c&#13;&#10;d.mp4</td>"));
    EXPECT_TRUE(l.contains(QStringLiteral("eleSrc=\"./e\\u2028f\\u2029g.mp4\";")));
    EXPECT_TRUE(l.contains("eleSrc=\"./Intro:Del2.mp4\";"));
    EXPECT_TRUE(l.contains("<source src=\"./a%0Ab.mp4\">"));
}

TEST(Afspilningsliste, TheRootFolderIsTheBaseWithoutADoubledSeparator)
{
    const QStringList l = Afspilningsliste::linjer(Afspilningsliste::Film, "/", {"a.mp4"});
    EXPECT_EQ(l.at(4), "<base href=\"/\">");
    EXPECT_EQ(Afspilningsliste::linjer(Afspilningsliste::Film, "/x&y", {"a.mp4"}).at(4),
              "<base href=\"/x&amp;y/\">");
}
