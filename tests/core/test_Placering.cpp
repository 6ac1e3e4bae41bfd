#include "Placering.h"

#include <gtest/gtest.h>

TEST(Placering, AWindowSpanningTheWorkAreaIsFirstMadeIntoAStrip)
{
    const QRect flade(0, 0, 1920, 1040); // a task bar below
    const auto venstre = Placering::beregn(Placering::Venstre, {50, 60, 1920, 300}, flade);
    EXPECT_EQ(venstre.ramme, QRect(0, 0, 324, 1040));
    EXPECT_EQ(venstre.redskabslinje, Options::Hoejre);

    const auto top = Placering::beregn(Placering::Top, {50, 60, 400, 1040}, flade);
    EXPECT_EQ(top.ramme, QRect(0, 0, 1920, 376));
    EXPECT_EQ(top.redskabslinje, Options::Top);

    const auto hoejre = Placering::beregn(Placering::Hoejre, {50, 60, 404, 430}, flade);
    EXPECT_EQ(hoejre.ramme, QRect(1516, 0, 404, 1040));
    EXPECT_EQ(hoejre.redskabslinje, Options::Venstre);

    const auto hjoerne = Placering::beregn(Placering::Hjoerne, {50, 60, 404, 430}, flade);
    EXPECT_EQ(hjoerne.ramme, QRect(0, 0, 404, 430));
    EXPECT_FALSE(hjoerne.redskabslinje);
}

TEST(Placering, DockingOneSideAfterAnotherNeverCoversTheWorkArea)
{
    const QRect flade(0, 32, 1920, 1048); // a panel on top
    QRect ramme(700, 300, 404, 430);
    for (const Placering::Valg valg : {Placering::Venstre, Placering::Top, Placering::Hoejre,
                                       Placering::Bund, Placering::Venstre, Placering::Bund}) {
        ramme = Placering::beregn(valg, ramme, flade).ramme;
        EXPECT_TRUE(flade.contains(ramme)) << valg;
        EXPECT_LT(ramme.width() * ramme.height(), flade.width() * flade.height() / 2) << valg;
    }
    EXPECT_EQ(Placering::beregn(Placering::Top, {0, 32, 404, 1048}, flade).ramme,
              QRect(0, 32, 1920, 380));
}

TEST(Placering, TheWindowsOwnSizeLimitsHoldAndTheWorkAreaBoundsThem)
{
    const QRect flade(0, 32, 1280, 992);
    // Taller than the work area: a strip along the bottom.
    const auto bund = Placering::beregn(Placering::Bund, {0, 0, 300, 2000}, flade);
    EXPECT_EQ(bund.ramme, QRect(0, 748, 1280, 276));
    const auto hjoerne = Placering::beregn(Placering::Hjoerne, {900, 900, 404, 430}, flade);
    EXPECT_EQ(hjoerne.ramme.topLeft(), QPoint(0, 32));
    // Turned into a strip 20 high, a window that must be 120 high stays 120.
    const auto top = Placering::beregn(Placering::Top, {0, 0, 44, 992}, flade, {100, 120});
    EXPECT_EQ(top.ramme, QRect(0, 32, 1280, 120));
    const auto smal = Placering::beregn(Placering::Venstre, {0, 0, 600, 400}, flade, {},
                                        {500, Placering::ubegraenset});
    EXPECT_EQ(smal.ramme, QRect(0, 32, 500, 992));
}
