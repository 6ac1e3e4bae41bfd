#pragma once

#include "posix/PosixPlatform.h"

#include <QString>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The real backend under the fakes, which sees no drive of the machine's:
// only the test's own folder counts.
inline std::unique_ptr<Platform> aegtePlatform(const std::string& base)
{
    return std::make_unique<PosixPlatform>(base);
}

// Whether files carry an execute bit that trusting a file sets.
inline bool harKoerselsbit()
{
    return true;
}

inline bool koererSomRoot()
{
    return geteuid() == 0;
}

// A named pipe where a file is looked for; false where the system has none.
inline bool lavRoer(const QString& sti)
{
    return mkfifo(sti.toLocal8Bit().constData(), 0600) == 0;
}
