#include "Options.h"

#include <QRect>
#include <gtest/gtest.h>

TEST(Options, DefaultsWhenThereIsNoFile)
{
    const Options o = Options::fraLinjer({}, "/usr/share/applications");
    EXPECT_EQ(o.designName, "Aqua Light Slate");
    EXPECT_TRUE(o.gruppenavn.isEmpty());
    EXPECT_EQ(QRect(o.pLeft, o.pTop, o.pWidth, o.pHeight), QRect(800, 400, 404, 430));
    EXPECT_EQ(QRect(o.boksLeft, o.boksTop, o.boksWidth, o.boksHeight), QRect(400, 200, 480, 400));
    EXPECT_FALSE(o.egenskaberHeight.has_value());
    EXPECT_FALSE(o.egenskaberWidth.has_value());
    EXPECT_EQ(o.egenskaberTop, 200);
    EXPECT_EQ(o.egenskaberLeft, 400);
    EXPECT_EQ(o.visning, Options::StoreIkoner);
    EXPECT_EQ(o.fontSize, 8);
    EXPECT_EQ(o.toolbarPlace, Options::Hoejre);
    EXPECT_TRUE(o.toolbarVisible);
    EXPECT_FALSE(o.menuVis);
    EXPECT_EQ(o.initDir, "/usr/share/applications");
    EXPECT_EQ(o.tilLinjer().size(), Options::antalLinjer);
}

TEST(Options, ACompleteFileRoundTripsLineForLine)
{
    const QStringList fil{"Aqua Light Slate",
                          "Spil",
                          "404",
                          "430",
                          "800",
                          "400",
                          "400",
                          "200",
                          "400",
                          "480",
                          "338",
                          "200",
                          "400",
                          "557",
                          "0",
                          "10",
                          "0",
                          "1",
                          "0",
                          "C:\\Program Files (x86)"};
    const Options o = Options::fraLinjer(fil, "x");
    EXPECT_EQ(o.gruppenavn, "Spil");
    EXPECT_EQ(o.visning, Options::Rapport);
    EXPECT_EQ(o.fontSize, 10);
    EXPECT_EQ(o.toolbarPlace, Options::Top);
    EXPECT_EQ(o.egenskaberHeight, 338);
    EXPECT_EQ(o.egenskaberWidth, 557);
    EXPECT_EQ(o.tilLinjer(), fil);
}

TEST(Options, CodesOutsideTheTableReadAsListAndBottom)
{
    QStringList fil = Options().tilLinjer();
    fil[14] = "7";
    fil[16] = "9";
    fil[17] = "0";
    fil[18] = "5";
    const Options o = Options::fraLinjer(fil, "x");
    EXPECT_EQ(o.visning, Options::Liste);
    EXPECT_EQ(o.toolbarPlace, Options::Bund);
    EXPECT_FALSE(o.toolbarVisible);
    EXPECT_TRUE(o.menuVis);
    EXPECT_EQ(o.tilLinjer()[14], "2");
    EXPECT_EQ(o.tilLinjer()[16], "3");
    EXPECT_EQ(o.tilLinjer()[18], "1");
}

TEST(Options, ShortOrMalformedFileKeepsTheDefaultOfEachBadLine)
{
    const Options kort = Options::fraLinjer({"Jet", "Arbejde", "500"}, "/start");
    EXPECT_EQ(kort.designName, "Jet");
    EXPECT_EQ(kort.gruppenavn, "Arbejde");
    EXPECT_EQ(kort.pWidth, 500);
    EXPECT_EQ(kort.pHeight, 430);
    EXPECT_EQ(kort.toolbarPlace, Options::Hoejre);
    EXPECT_EQ(kort.initDir, "/start");

    QStringList fil = Options().tilLinjer();
    fil[0] = "";
    fil[3] = "høj";
    fil[14] = "";
    fil[15] = "12pt";
    fil[16] = "venstre";
    fil[10] = "?";
    const Options o = Options::fraLinjer(fil, "/start");
    EXPECT_EQ(o.designName, "Aqua Light Slate");
    EXPECT_EQ(o.pHeight, 430);
    EXPECT_EQ(o.visning, Options::StoreIkoner);
    EXPECT_EQ(o.fontSize, 8);
    EXPECT_EQ(o.toolbarPlace, Options::Hoejre);
    EXPECT_FALSE(o.egenskaberHeight.has_value());
}

TEST(Options, PlacesSizesAndFontSizesBeyondAnyScreenFallBackToTheirDefaults)
{
    QStringList fil = Options().tilLinjer();
    for (int i = 2; i <= 13; ++i)
        fil[i] = i % 2 ? "-300000" : "300000";
    fil[15] = "100000";
    const Options o = Options::fraLinjer(fil, "/start");
    const Options standard;
    EXPECT_EQ(QList<int>({o.pWidth, o.pHeight, o.pLeft, o.pTop, o.boksHeight, o.boksTop, o.boksLeft,
                          o.boksWidth, o.egenskaberTop, o.egenskaberLeft}),
              QList<int>({standard.pWidth, standard.pHeight, standard.pLeft, standard.pTop,
                          standard.boksHeight, standard.boksTop, standard.boksLeft,
                          standard.boksWidth, standard.egenskaberTop, standard.egenskaberLeft}));
    EXPECT_FALSE(o.egenskaberHeight || o.egenskaberWidth);
    EXPECT_EQ(o.fontSize, 8);
    // No size of zero or less; large but possible values are left for the screen to bound.
    fil[2] = "0";
    fil[3] = "-5";
    fil[4] = "-2000";
    fil[5] = "32767";
    fil[15] = "72";
    const Options graense = Options::fraLinjer(fil, "/start");
    EXPECT_EQ(graense.pWidth, 404);
    EXPECT_EQ(graense.pHeight, 430);
    EXPECT_EQ(graense.pLeft, -2000);
    EXPECT_EQ(graense.pTop, 32767);
    EXPECT_EQ(graense.fontSize, 72);
}
