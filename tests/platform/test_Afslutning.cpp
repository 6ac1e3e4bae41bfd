#include "Afslutning.h"

#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

// Each signal that ends a session reaches the loop once, as a call there.
TEST(Afslutningssignaler, EachReachesTheLoopOnce)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        int kald = 0;
        Afslutning::lyt([&kald] { ++kald; });
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return kald > 0; }, 5000)) << signal;
        QCoreApplication::processEvents();
        EXPECT_EQ(kald, 1) << signal;
    }
    Afslutning::lyt({});
}
