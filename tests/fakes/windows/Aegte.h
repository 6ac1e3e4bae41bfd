#pragma once

#include "Platform.h"

#include <memory>

// The real backend under the fakes. Windows has no drives to keep out: the
// tests work in their own temporary folders.
inline std::unique_ptr<Platform> aegtePlatform(const std::string&)
{
    return Platform::createNative();
}

inline bool koererSomRoot()
{
    return false;
}
