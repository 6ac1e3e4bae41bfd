#include "Programtest.h"
#include "Urlhistorik.h"
#include "information.h"
#include "url.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>

class Urlboks : public Programtest
{
};

TEST_F(Urlboks, ShowsTheVisitedPagesAndActsOnThem)
{
    startMed({"A"}, "A");
    Turlform& u = program->urlform();
    Urlhistorik& h = program->infoform().historik;
    EXPECT_EQ(u.windowTitle(), "Urlboks");
    EXPECT_FALSE(u.ArensDobbelt->isEnabled());
    EXPECT_FALSE(u.AsletAlle->isEnabled());
    h.besoegt("A.html");
    EXPECT_FALSE(u.ArensDobbelt->isEnabled());
    EXPECT_TRUE(u.AsletAlle->isEnabled());
    for (const char* s : {"B.html", "a.html", "C.html", "B.html"})
        h.besoegt(s);
    EXPECT_EQ(u.urlListe->count(), 5);
    EXPECT_EQ(u.urlListe->currentRow(), 4);

    u.rensKnap->click();
    EXPECT_EQ(u.infoBar->currentMessage(), "Der blev slettet 2 dobbeltgængere");
    EXPECT_EQ(u.urlListe->count(), 3);
    EXPECT_EQ(u.urlListe->currentRow(), 1);
    u.rensKnap->click();
    EXPECT_EQ(u.infoBar->currentMessage(), "Der var ingen dobbeltgængere");

    QSignalSpy navigeret(&h, &Urlhistorik::naviger);
    u.urlListe->setCurrentRow(2);
    u.urlListeDblClick();
    EXPECT_EQ(h.urlIndex(), 2);
    EXPECT_TRUE(h.naviKlikket);
    ASSERT_EQ(navigeret.size(), 1);
    EXPECT_EQ(navigeret.at(0).at(0).toString(), "C.html");

    u.sletKnap->click();
    EXPECT_EQ(u.urlListe->count(), 0);
    EXPECT_EQ(h.urlIndex(), -1);
    EXPECT_FALSE(u.AsletAlle->isEnabled());
    EXPECT_TRUE(u.infoBar->currentMessage().isEmpty());
}

TEST_F(Urlboks, KeepsItsPlaceInItsOwnFile)
{
    skrivBruger("urlboks.txt", {"40", "30", "350", "250"});
    startMed({"A"}, "A");
    Turlform& u = program->urlform();
    EXPECT_EQ(u.pos(), QPoint(30, 40));
    EXPECT_EQ(u.size(), QSize(350, 250));
    u.show();
    u.move(60, 70);
    u.lukKnap->click();
    EXPECT_FALSE(u.isVisible());
    EXPECT_EQ(laesBruger("urlboks.txt"), (QStringList{"70", "60", "350", "250"}));
}

TEST_F(Urlboks, WithoutAFileItIsCentredOnTheScreenAtItsSmallestSize)
{
    startMed({"A"}, "A");
    const Turlform& u = program->urlform();
    EXPECT_EQ(u.size(), QSize(300, 200));
    EXPECT_EQ(u.geometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
}
