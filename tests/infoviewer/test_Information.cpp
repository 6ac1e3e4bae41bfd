#include "Browser.h"
#include "Programtest.h"
#include "Struktur.h"
#include "information.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>

namespace {

// Waits for the condition, looking at it each time the object sends the signal.
// Only signals wake the wait: the web engine crawls when timers keep firing in
// the test's event loop.
bool ventPaa(QObject* afsender, const char* signal, const std::function<bool()>& betingelse)
{
    QElapsedTimer ur;
    ur.start();
    while (!betingelse()) {
        const qint64 rest = 15000 - ur.elapsed();
        if (rest <= 0)
            return false;
        QSignalSpy spy(afsender, signal);
        spy.wait(static_cast<int>(rest));
    }
    return true;
}

const QStringList informationsemner = {
    "Tavlum",     "Grupper",     "Indfør element", "Rediger element", "Administrer grupper",
    "Egenskaber", "Menuvisning", "Filboksen",      "Window applets"};

} // namespace

class Information : public Programtest
{
protected:
    Tinfoform& viewer() { return program->infoform(); }
    Urlhistorik& h() { return viewer().historik; }
    // Waits until the page is shown and, for a help page, listed.
    bool vist(const QString& side)
    {
        return ventPaa(&h(), SIGNAL(aendret()), [&] {
            return viewer().lokationsnavn() == side && !h().naviKlikket &&
                   h().urlListe().value(h().urlIndex()) == side;
        });
    }
    bool aabn(const QString& emne) { return viewer().goToInfo(emne) && vist(emne + ".html"); }
    ~Information() override
    {
        if (program)
            viewer().hide();
    }
};

TEST_F(Information, TopicsOpenWhateverTheCaseOfTheirLetters)
{
    Tmainform& main = startMed({"A"}, "A");
    main.HelpInfo("grupper");
    EXPECT_TRUE(viewer().isVisible());
    ASSERT_TRUE(vist("Grupper.html"));
    EXPECT_EQ(viewer().Struktur->valgt()->text(0), "Grupper");
    EXPECT_EQ(viewer().Edit->text(), "Grupper.html");
    EXPECT_EQ(viewer().windowTitle(), "Tavlum information");
    EXPECT_EQ(viewer().width(), 760);

    EXPECT_FALSE(viewer().goToInfo("Findes ikke"));
    EXPECT_EQ(viewer().Struktur->valgt()->text(0), "Grupper");
    // Only A to Z fold: Æ, Ø and Å are other letters than æ, ø and å.
    EXPECT_FALSE(viewer().goToInfo("INDFØR ELEMENT"));
    EXPECT_TRUE(viewer().goToInfo("INDFøR ELEMENT"));
}

TEST_F(Information, EveryInformationButtonsTopicHasAPage)
{
    Tmainform& main = startMed({"A"}, "A");
    for (const QString& emne : informationsemner) {
        main.HelpInfo(emne);
        ASSERT_NE(viewer().Struktur->valgt(), nullptr);
        ASSERT_EQ(viewer().Struktur->valgt()->text(0), emne);
        const QString side = viewer().Struktur->SelectedData() + ".html";
        EXPECT_TRUE(QFileInfo(viewer().Struktur->Infomappe + side).isFile()) << side.toStdString();
        EXPECT_TRUE(vist(side)) << side.toStdString();
    }
    EXPECT_EQ(h().urlListe().size(), informationsemner.size());
}

TEST_F(Information, VisitedPagesFollowTheNavigation)
{
    Tmainform& main = startMed({"A"}, "A");
    main.HelpInfo("Tavlum");
    ASSERT_TRUE(vist("Tavlum.html"));
    Tinfoform& v = viewer();
    EXPECT_FALSE(v.Afirst->isEnabled() || v.Aback->isEnabled() || v.Aforward->isEnabled() ||
                 v.Alast->isEnabled());
    ASSERT_TRUE(aabn("Grupper"));
    ASSERT_TRUE(aabn("Menuvisning"));
    v.Aback->trigger();
    ASSERT_TRUE(vist("Grupper.html"));
    v.Afirst->trigger();
    ASSERT_TRUE(vist("Tavlum.html"));
    EXPECT_EQ(v.Struktur->valgt()->text(0), "Tavlum");
    ASSERT_TRUE(aabn("Filboksen"));
    EXPECT_EQ(h().urlListe(),
              (QStringList{"Tavlum.html", "Filboksen.html", "Grupper.html", "Menuvisning.html"}));
    EXPECT_EQ(h().urlIndex(), 1);
    v.Alast->trigger();
    ASSERT_TRUE(vist("Menuvisning.html"));
    EXPECT_FALSE(v.Aforward->isEnabled() || v.Alast->isEnabled());

    // A help page by its name in the address field is listed; a search is not.
    v.Edit->setText("Grupper.html");
    v.Ago->trigger();
    ASSERT_TRUE(vist("Grupper.html"));
    EXPECT_EQ(h().urlListe().size(), 5);
    v.Edit->setText("mus & #tast");
    v.Ago->trigger();
    EXPECT_TRUE(ventPaa(v.web()->widget(), SIGNAL(urlChanged(QUrl)),
                        [&] { return v.web()->adresse().host() == "www.google.com"; }));
    EXPECT_EQ(v.web()->adresse().toString(QUrl::FullyEncoded),
              "https://www.google.com/search?q=mus%20%26%20%23tast");
    EXPECT_EQ(h().urlListe().size(), 5);
    v.Edit->clear();
    EXPECT_FALSE(v.Ago->isEnabled());

    v.hentStruktur();
    EXPECT_TRUE(h().urlListe().isEmpty());
    EXPECT_EQ(h().urlIndex(), -1);
}

TEST_F(Information, LinksUnderTheMouseAreShownAndNewWindowsOpenHere)
{
    Tmainform& main = startMed({"A"}, "A");
    main.HelpInfo("Tavlum");
    ASSERT_TRUE(vist("Tavlum.html"));
    Tinfoform& v = viewer();
    Browser* web = v.web();
    web->linkUnderMus("file:///Grupper.html");
    EXPECT_EQ(v.infoBar->currentMessage(), "file:///Grupper.html");
    EXPECT_EQ(v.globalUrl, "file:///Grupper.html");
    EXPECT_TRUE(web->nytVindue());
    web->linkUnderMus("");
    EXPECT_EQ(v.infoBar->currentMessage(), "");
    EXPECT_FALSE(web->nytVindue());
    web->linkUnderMus("ikke en adresse");
    EXPECT_EQ(v.globalUrl, "");
}

TEST_F(Information, WithoutATreeTheViewerOnlyShowsAndKeepsItsPlace)
{
    skrivBruger("information.txt", {"30", "40", "900", "600"});
    Tmainform& main = startMed({"A"}, "A");
    QFile::remove(mappe.sti("Tavlum/Struktur/Tavlum/struktur.txt"));
    main.HelpInfo("Tavlum");
    Tinfoform& v = viewer();
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.Struktur->topLevelItemCount(), 0);
    EXPECT_EQ(v.pos(), QPoint(40, 30));
    EXPECT_EQ(v.size(), QSize(760, 600));
    v.move(10, 20);
    v.close();
    EXPECT_EQ(laesBruger("information.txt"), (QStringList{"20", "10", "760", "600"}));
}
