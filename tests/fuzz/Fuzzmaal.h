#pragma once

// What every fuzz target is: libFuzzer's entry points, run by libFuzzer where
// the build has it (clang) and otherwise by the mutation loop of Mutator.cpp.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by the targets that need an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

// A broken promise of the code under test: reported like a crash, so that the
// input is kept and the run fails.
#define FUZZ_KRAV(betingelse)                                                                      \
    do {                                                                                           \
        if (!(betingelse)) {                                                                       \
            std::fprintf(stderr, "%s:%d: krav brudt: %s\n", __FILE__, __LINE__, #betingelse);      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// The input as Qt's bytes.
inline QByteArray bytesAf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// An application object of this kind, without a display, made once.
template <class App> void startApp(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static App app(*argc, *argv);
}

// A folder for the files a target writes, in memory where the system has
// one, removed when the run ends.
inline QString arbejdsmappe()
{
    static const QTemporaryDir mappe((QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm")
                                          : QDir::tempPath()) +
                                     QStringLiteral("/tavlum-fuzz-XXXXXX"));
    return mappe.path();
}
