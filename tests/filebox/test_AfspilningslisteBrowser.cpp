// The play list pages as a browser runs them: the program writes them for
// real files, and the page's own buttons move the player and the mark.
#include "Kaede.h"

#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <unistd.h>

namespace {

class Afspilningsside : public Kaede
{
protected:
    static void SetUpTestSuite()
    {
        // Chromium refuses to start as root with its sandbox on.
        if (geteuid() == 0)
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }

    // Writes the page of every file of the folder and loads it.
    void indlaes(const QString& mappenavn, const QStringList& filer, int slags,
                 const QString& sidenavn)
    {
        for (const QString& f : filer)
            mappe.skriv(mappenavn + u'/' + f, "x");
        funk.makeStruktur2(mkdir(mappenavn), false, true);
        liste.selectAll();
        ASSERT_TRUE(funk.SkrivTekstfil(sidenavn, slags));
        QSignalSpy faerdig(&vis, &QWebEngineView::loadFinished);
        vis.load(QUrl::fromLocalFile(mappe.sti(mappenavn + u'/' + sidenavn)));
        ASSERT_TRUE(faerdig.wait(30000));
        ASSERT_TRUE(faerdig.first().first().toBool());
    }
    QVariant js(const QString& kode)
    {
        QVariant svar;
        bool kom = false;
        vis.page()->runJavaScript(kode, [&](const QVariant& v) {
            svar = v;
            kom = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return kom; }, 10000));
        return svar;
    }
    // The file the player shows, as a path below the page's folder.
    QString spiller()
    {
        return js("decodeURIComponent(document.getElementById('afspiller').src)").toString();
    }
    QString markeret()
    {
        return js("Array.from(document.querySelectorAll('input[name=aktuel]'))"
                  ".filter(e => e.checked).map(e => e.id).join()")
            .toString();
    }
    void tryk(int raekke)
    {
        js(QStringLiteral("document.querySelectorAll('button')[%1].click()").arg(raekke));
    }

    QWebEngineView vis;
};

} // namespace

TEST_F(Afspilningsside, AFilmRowsButtonPlaysItsFileAndMarksItsRow)
{
    const QString fin = QStringLiteral("a\"b'c&d\\e.mp4");
    const QString kode = QStringLiteral("<img src=x onerror=document.title='x'>.mp4");
    indlaes("film", {"a.mp4", "b b.mp4", fin, kode}, 1, "Film_afspilningsliste.html");
    const QStringList raekker = js("Array.from(document.querySelectorAll('td:nth-child(2)'))"
                                   ".map(e => e.textContent)")
                                    .toStringList();
    ASSERT_EQ(raekker.size(), 4);
    EXPECT_EQ(js("document.querySelector('source').getAttribute('src')").toString(),
              "./" + raekker.at(0));
    EXPECT_EQ(markeret(), "melodi0");
    EXPECT_EQ(js("document.images.length").toInt(), 0);
    EXPECT_EQ(js("document.title").toString(), "Filmliste");

    for (int i = 0; i < 4; ++i) {
        tryk(i);
        EXPECT_EQ(spiller(), "file://" + mappe.sti("film/" + raekker.at(i)))
            << raekker.at(i).toStdString();
        EXPECT_EQ(markeret(), QStringLiteral("melodi%1").arg(i));
    }
    EXPECT_TRUE(raekker.contains(fin));
    EXPECT_TRUE(raekker.contains(kode));
    EXPECT_EQ(js("document.getElementById('afspiller').autoplay").toBool(), true);
}

TEST_F(Afspilningsside, OddNamesKeepEveryButtonWorkingAndAreNeverReadAsSchemes)
{
    const QStringList navne{"Intro:Del2.mp4", "C:x.mp4", "linje\nskift.mp4",
                            QStringLiteral("afsnit\u2028to\u2029tre.mp4"), "tab\tog\rcr.mp4"};
    indlaes("film", navne, 1, "Film_afspilningsliste.html");
    const QStringList raekker = js("Array.from(document.querySelectorAll('td:nth-child(2)'))"
                                   ".map(e => e.textContent)")
                                    .toStringList();
    ASSERT_EQ(raekker.size(), navne.size());
    for (int i = 0; i < raekker.size(); ++i) {
        tryk(i);
        EXPECT_EQ(spiller(), "file://" + mappe.sti("film/" + raekker.at(i)))
            << raekker.at(i).toStdString();
        EXPECT_EQ(markeret(), QStringLiteral("melodi%1").arg(i));
    }
    for (const QString& navn : navne)
        EXPECT_TRUE(raekker.contains(navn)) << navn.toStdString();
}

TEST_F(Afspilningsside, AMusicRowsButtonPlaysItsFile)
{
    indlaes("musik", {"en.mp3", "to.m4a"}, 2, "Musik_afspilningsliste.html");
    EXPECT_EQ(js("document.getElementById('afspiller').tagName").toString(), "AUDIO");
    tryk(1);
    EXPECT_TRUE(spiller().endsWith("/musik/to.m4a"));
    EXPECT_EQ(markeret(), "melodi1");
}

TEST_F(Afspilningsside, APictureIsShownAndItsSizeButtonsScaleIt)
{
    QImage(20, 10, QImage::Format_RGB32).save(mkdir("billeder") + "/a.png");
    indlaes("billeder", {"b.jpg"}, 3, "Billed_afspilningsliste.html");
    EXPECT_TRUE(spiller().endsWith("/billeder/a.png"));
    EXPECT_EQ(js("document.getElementById('afspiller').naturalWidth").toInt(), 20);
    tryk(1);
    EXPECT_TRUE(spiller().endsWith("/billeder/b.jpg"));
    EXPECT_EQ(markeret(), "melodi1");
    js("document.querySelectorAll('input[name=bredde]')[5].click()");
    EXPECT_EQ(js("document.getElementById('afspiller').style.width").toString(), "50%");
    EXPECT_EQ(js("document.getElementById('afspiller').style.height").toString(), "50%");
}
