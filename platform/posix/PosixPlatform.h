#pragma once

#include "Platform.h"

class PosixPlatform : public Platform
{
public:
    std::string userName() const override;
    std::string baseFolder() const override;
    std::string programsFolder() const override;
};
