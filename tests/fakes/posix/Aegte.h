#pragma once

#include "posix/PosixPlatform.h"

#include <memory>
#include <unistd.h>

// The real backend under the fakes, which sees no drive of the machine's:
// only the test's own folder counts.
inline std::unique_ptr<Platform> aegtePlatform(const std::string& base)
{
    return std::make_unique<PosixPlatform>(base);
}

inline bool koererSomRoot()
{
    return geteuid() == 0;
}
