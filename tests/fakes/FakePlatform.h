#pragma once

#include "Platform.h"

// A platform whose answers a test sets.
class FakePlatform : public Platform
{
public:
    explicit FakePlatform(std::string base) : base(std::move(base)) {}

    std::string userName() const override { return user; }
    std::string baseFolder() const override { return base; }
    std::string programsFolder() const override { return programs; }

    std::string user = "kontor";
    std::string base;
    std::string programs = "/usr/share/applications";
};
