#include "Urlhistorik.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

void besoeg(Urlhistorik& h, const QStringList& sider)
{
    for (const QString& s : sider)
        h.besoegt(s);
}

struct Knapper
{
    bool foerste, tilbage, frem, sidste;
    bool operator==(const Knapper&) const = default;
};

Knapper knapper(const Urlhistorik& h)
{
    return {h.kanFoerste(), h.kanTilbage(), h.kanFrem(), h.kanSidste()};
}

} // namespace

TEST(Urlhistorik, ANewPageGoesRightAfterTheCurrentOne)
{
    Urlhistorik h;
    for (const char* s : {"A", "B", "C"})
        h.besoegt(s);
    QSignalSpy navigeret(&h, &Urlhistorik::naviger);
    h.tilbage();
    h.besoegt("B");
    h.tilbage();
    h.besoegt("A");
    EXPECT_EQ(navigeret.size(), 2);
    EXPECT_EQ(h.urlListe(), (QStringList{"A", "B", "C"}));
    h.besoegt("D");
    EXPECT_EQ(h.urlListe(), (QStringList{"A", "D", "B", "C"}));
    EXPECT_EQ(h.urlIndex(), 1);
}

TEST(Urlhistorik, WalkingReshowsTheEntryWithoutAddingIt)
{
    Urlhistorik h;
    besoeg(h, {"A", "B", "C"});
    EXPECT_EQ(knapper(h), (Knapper{true, true, false, false}));
    QSignalSpy navigeret(&h, &Urlhistorik::naviger);
    const std::pair<void (Urlhistorik::*)(), int> gang[] = {{&Urlhistorik::foerste, 0},
                                                            {&Urlhistorik::frem, 1},
                                                            {&Urlhistorik::sidste, 2},
                                                            {&Urlhistorik::tilbage, 1}};
    for (const auto& [skridt, sted] : gang) {
        (h.*skridt)();
        EXPECT_TRUE(h.naviKlikket);
        h.besoegt(h.urlListe().at(sted));
        EXPECT_FALSE(h.naviKlikket);
        EXPECT_EQ(h.urlIndex(), sted);
    }
    EXPECT_EQ(h.urlListe(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(navigeret.size(), 4);
    EXPECT_EQ(navigeret.at(0).at(0).toString(), "A");
    EXPECT_EQ(knapper(h), (Knapper{true, true, true, true}));

    Urlhistorik tom;
    EXPECT_EQ(knapper(tom), (Knapper{false, false, false, false}));
    tom.besoegt("A");
    EXPECT_EQ(knapper(tom), (Knapper{false, false, false, false}));
}

TEST(Urlhistorik, RemovingRepeatsKeepsTheCurrentPageCurrent)
{
    Urlhistorik h;
    besoeg(h, {"A", "B", "a", "C", "B"});
    ASSERT_EQ(h.urlIndex(), 4);
    EXPECT_EQ(h.rensDobbelt(), 2);
    EXPECT_EQ(h.urlListe(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(h.urlIndex(), 1);
    EXPECT_EQ(h.rensDobbelt(), 0);

    Urlhistorik lille;
    besoeg(lille, {"A", "B", "a"});
    lille.rensDobbelt();
    EXPECT_EQ(lille.urlIndex(), 0);

    EXPECT_EQ(Urlhistorik::rensTekst(0), "Der var ingen dobbeltgængere");
    EXPECT_EQ(Urlhistorik::rensTekst(1), "Der blev slettet 1 dobbeltgænger");
    EXPECT_EQ(Urlhistorik::rensTekst(2), "Der blev slettet 2 dobbeltgængere");
}
