#include <QCoreApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "Monteringsrum.h"

// The core needs the event loop and the application's folder, never a display.
int main(int argc, char** argv)
{
    egetMonteringsrum();
    ::testing::InitGoogleTest(&argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
