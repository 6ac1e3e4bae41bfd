#pragma once

#include "Platform.h"

class PosixPlatform : public Platform
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
    std::vector<FolderEntry> listFolder(const std::string& folder) const override;
    std::string specialFolder(SpecialFolder which) const override;
    std::vector<Drive> drives() const override;
    Drive driveOf(const std::string& path) const override;
    DriveSpace driveSpace(const std::string& path) const override;
};
