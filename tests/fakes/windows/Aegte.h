#pragma once

#include "Platform.h"

#include <QString>
#include <memory>

// The real backend under the fakes. Windows has no drives to keep out: the
// tests work in their own temporary folders.
inline std::unique_ptr<Platform> aegtePlatform(const std::string&)
{
    return Platform::createNative();
}

// Windows files carry no execute bit.
inline bool harKoerselsbit()
{
    return false;
}

inline bool koererSomRoot()
{
    return false;
}

// Windows has no named pipes among the files of a folder.
inline bool lavRoer(const QString&)
{
    return false;
}
