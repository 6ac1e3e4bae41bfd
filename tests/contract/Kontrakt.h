#pragma once

// The fixture every contract suite shares: a backend and a temporary folder
// with Danish letters in its name. Standard library only, so that it runs
// natively and under Wine.
#include "Platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

inline std::string utf8(const fs::path& p)
{
    const std::u8string s = p.u8string();
    return {s.begin(), s.end()};
}

inline fs::path sti(const std::string& utf8Navn)
{
    return fs::path(std::u8string(utf8Navn.begin(), utf8Navn.end()));
}

// Wine answers a few calls otherwise than Windows; those checks are skipped there.
inline bool underWine()
{
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

class Kontrakt : public ::testing::Test
{
protected:
    Kontrakt() : platform(Platform::createNative())
    {
        std::random_device tilfaeldig;
        mappe =
            fs::temp_directory_path() / sti("tavlum kontrakt æøå " + std::to_string(tilfaeldig()));
        fs::create_directories(mappe);
    }
    ~Kontrakt() override
    {
        std::error_code fejl;
        fs::current_path(foer, fejl);
        fs::remove_all(mappe, fejl);
    }
    std::string skriv(const std::string& navn, const std::string& bytes)
    {
        const fs::path fil = (mappe / sti(navn)).make_preferred();
        fs::create_directories(fil.parent_path());
        std::ofstream(fil, std::ios::binary) << bytes;
        return utf8(fil);
    }
    static std::string laes(const std::string& fil)
    {
        std::ifstream ind(sti(fil), std::ios::binary);
        return {std::istreambuf_iterator<char>(ind), std::istreambuf_iterator<char>()};
    }
    std::string dybMappe(const std::string& rod);
    std::string i(const std::string& navn) const
    {
        return utf8((mappe / sti(navn)).make_preferred());
    }

    std::unique_ptr<Platform> platform;
    fs::path foer = fs::current_path();
    fs::path mappe;
};
