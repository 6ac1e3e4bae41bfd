#pragma once

#include "Beskeder.h"

#include <QApplication>
#include <QStringList>
#include <benchmark/benchmark.h>

// What the benchmarks share: silent messages, a spread of file kinds, and a
// main that runs them offscreen and frees their set-up before the application.
class Stille : public Beskeder
{
public:
    void besked(const QString&) override {}
    bool spoerg(const QString&) override { return false; }
    QString aabenFil(const QString&) override { return {}; }
};

inline const QStringList slags{"txt", "pdf", "mp4", "mp3", "jpg", "zip", "html", "docx"};

template <typename Ryd> int koerBenchmarks(int argc, char** argv, Ryd ryd)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ryd();
    return 0;
}
