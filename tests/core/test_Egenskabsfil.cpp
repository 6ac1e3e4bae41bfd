#include "Egenskabsfil.h"

#include <gtest/gtest.h>

TEST(Egenskabsfil, ReadingStopsAtTheFirstBadLineAndForgetsTheShortcut)
{
    const Egenskabsfil ingen = Egenskabsfil::fraLinjer({}, false);
    EXPECT_TRUE(ingen.tray);
    EXPECT_FALSE(ingen.minimer);

    const Egenskabsfil en = Egenskabsfil::fraLinjer({"0"}, true);
    EXPECT_FALSE(en.tray);
    EXPECT_FALSE(en.minimer);
    EXPECT_TRUE(en.tavlumFilename.isEmpty());

    const Egenskabsfil skidt = Egenskabsfil::fraLinjer({"0", "ja", "/x/Tavlum.desktop"}, true);
    EXPECT_FALSE(skidt.tray);
    EXPECT_FALSE(skidt.minimer);
    EXPECT_TRUE(skidt.tavlumFilename.isEmpty());

    const Egenskabsfil hel = Egenskabsfil::fraLinjer({"0", "1", "/x/Tavlum.desktop"}, true);
    EXPECT_TRUE(hel.minimer);
    EXPECT_EQ(hel.tavlumFilename, "/x/Tavlum.desktop");
    EXPECT_EQ(hel.tilLinjer(), QStringList({"0", "1", "/x/Tavlum.desktop"}));
}
