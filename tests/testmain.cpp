#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "Monteringsrum.h"

int main(int argc, char** argv)
{
    egetMonteringsrum();
    ::testing::InitGoogleTest(&argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // Every suite runs without a display, also when ctest lists its cases.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}

// Under AddressSanitizer: the help viewer's web engine frees some of its own
// objects by a base type and keeps caches to the end; that is Chromium's, not ours.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0:new_delete_type_mismatch=0";
}
