#pragma once

#include "Platform.h"

// The services as Windows gives them, through its wide-character calls.
class WindowsPlatform : public Platform
{
public:
    std::string userName() const override;
    std::string baseFolder() const override;
    std::string programsFolder() const override;
    int shellExecute(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& folder) override;
    FileIcon firstIcon(const std::string& file) const override;
    std::string currentFolder() const override;
    bool setCurrentFolder(const std::string& folder) override;
    std::string startupFolder(const std::string& user) const override;
    StartupNames startupNames() const override;
};
