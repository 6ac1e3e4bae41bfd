#include "Skaermplads.h"

#include <gtest/gtest.h>

namespace {

const QRect venstre(0, 0, 1280, 1000);   // a work area less the task bar
const QRect hoejre(1280, 0, 1920, 1080); // a second screen to its right

struct Tilfaelde
{
    const char* hvad;
    QRect gemt;
    QSize minimum;
    QRect ventet;
};

void PrintTo(const Tilfaelde& t, std::ostream* ud)
{
    *ud << t.hvad;
}

class Skaermpladser : public ::testing::TestWithParam<Tilfaelde>
{
};

} // namespace

TEST_P(Skaermpladser, ASavedPlaceEndsWhollyOnTheScreenItBelongsTo)
{
    const Tilfaelde& t = GetParam();
    EXPECT_EQ(Skaermplads::tilpas(t.gemt, t.minimum, {venstre, hoejre}), t.ventet);
}

INSTANTIATE_TEST_SUITE_P(
    Pladser, Skaermpladser,
    ::testing::Values(
        Tilfaelde{"inside", {100, 100, 400, 300}, {}, {100, 100, 400, 300}},
        Tilfaelde{"onTheSecondScreen", {2000, 50, 400, 300}, {}, {2000, 50, 400, 300}},
        Tilfaelde{"overTheRightEdge", {3100, 900, 400, 300}, {}, {2800, 780, 400, 300}},
        Tilfaelde{"aboveAndLeft", {-500, -40, 400, 300}, {}, {0, 0, 400, 300}},
        Tilfaelde{"mostlyOnTheFirst", {1000, 10, 400, 300}, {}, {880, 10, 400, 300}},
        Tilfaelde{"farBelowGoesToTheNearest", {2500, 20000, 400, 300}, {}, {2500, 780, 400, 300}},
        Tilfaelde{"hugeIsTheWorkArea", {0, 0, 32767, 32767}, {}, venstre},
        Tilfaelde{"tinyGrowsToTheLeast", {10, 10, 3, 2}, {}, {10, 10, 120, 80}},
        Tilfaelde{"theWindowsOwnMinimum", {10, 10, 200, 200}, {470, 400}, {10, 10, 470, 400}},
        Tilfaelde{
            "aMinimumBeyondTheScreenWins", {0, 0, 300, 300}, {1500, 300}, {0, 0, 1500, 300}}));

TEST(Skaermplads, WithoutScreensOnlyTheLeastSizeHolds)
{
    EXPECT_EQ(Skaermplads::tilpas({-9, 5000, 10, 10}, {}, {}), QRect(-9, 5000, 120, 80));
}

TEST(Skaermplads, ValuesBeyondAnyScreenAreNoValues)
{
    const QStringList linjer{"800", "-800", "0", "-1", "32767", "32768", "-32768", "300000", "x"};
    const auto koordinat = [&](int i) { return Skaermplads::koordinat(linjer, i); };
    const auto stoerrelse = [&](int i) { return Skaermplads::stoerrelse(linjer, i); };
    EXPECT_EQ(koordinat(0), 800);
    EXPECT_EQ(koordinat(1), -800);
    EXPECT_EQ(koordinat(2), 0);
    EXPECT_EQ(koordinat(4), 32767);
    EXPECT_FALSE(koordinat(5));
    EXPECT_FALSE(koordinat(6));
    EXPECT_FALSE(koordinat(7));
    EXPECT_FALSE(koordinat(8));
    EXPECT_FALSE(koordinat(9));
    EXPECT_EQ(stoerrelse(0), 800);
    EXPECT_FALSE(stoerrelse(1));
    EXPECT_FALSE(stoerrelse(2));
    EXPECT_FALSE(stoerrelse(3));
    EXPECT_EQ(stoerrelse(4), 32767);
    EXPECT_FALSE(stoerrelse(7));
}
