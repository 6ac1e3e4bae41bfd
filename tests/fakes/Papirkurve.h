#pragma once

#include <filesystem>
#include <string>
#ifndef _WIN32
#include <unistd.h>
#endif

// Emptying a drive's trash also empties the trash the desktop keeps at the top
// of the drive's mount; a test leaves one that holds the user's own files alone.
inline bool brugerensPapirkurvHarIndhold([[maybe_unused]] const std::string& rod)
{
#ifdef _WIN32
    return false;
#else
    namespace fs = std::filesystem;
    const std::string uid = std::to_string(getuid());
    for (const fs::path& kurv :
         {fs::path(rod) / ".Trash" / uid, fs::path(rod) / (".Trash-" + uid)}) {
        std::error_code fejl;
        if (fs::is_directory(kurv / "files", fejl) && !fs::is_empty(kurv / "files", fejl))
            return true;
    }
    return false;
#endif
}
