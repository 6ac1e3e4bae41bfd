#pragma once

#include "Platform.h"

#include <map>
#include <unistd.h>
#include <vector>

// A platform whose answers a test sets.
class FakePlatform : public Platform
{
public:
    explicit FakePlatform(std::string base) : base(std::move(base)) {}

    std::string userName() const override { return user; }
    std::string baseFolder() const override { return base; }
    std::string programsFolder() const override { return programs; }

    struct Kald
    {
        std::string verb, file, parameters, folder, current;
        bool operator==(const Kald&) const = default;
    };
    int shellExecute(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& folder) override
    {
        kald.push_back({verb, file, parameters, folder, current});
        return shellSvar;
    }
    FileIcon firstIcon(const std::string& file) const override
    {
        const auto it = ikoner.find(file);
        return it == ikoner.end() ? FileIcon{FileIcon::NotAProgram, {}, {}} : it->second;
    }
    std::string currentFolder() const override { return current; }
    bool setCurrentFolder(const std::string& folder) override
    {
        current = folder;
        return true;
    }

    std::string startupFolder(const std::string& bruger) const override
    {
        startupBruger = bruger;
        return startup;
    }
    StartupNames startupNames() const override { return {"Tavlum.desktop", "createShortcut.sh"}; }

    bool moveToTrash(const std::string& file) override
    {
        papirkurv.push_back(file);
        return papirkurvSvar;
    }
    bool isValidUrl(const std::string& url) const override
    {
        return url.find("://") != std::string::npos;
    }
    bool effectiveUserIsRoot() const override { return root; }
    std::string scriptSuffix() const override { return ".sh"; }

    // Folders are listed from the disk, as the real backend lists them.
    std::vector<FolderEntry> listFolder(const std::string& folder) const override
    {
        return aegte->listFolder(folder);
    }
    std::string specialFolder(SpecialFolder which) const override
    {
        const auto it = specialmapper.find(which);
        return it == specialmapper.end() ? std::string() : it->second;
    }
    std::vector<Drive> drives() const override { return drev; }
    Drive driveOf(const std::string& path) const override
    {
        Drive bedst;
        for (const Drive& d : drev)
            if (path.rfind(d.root, 0) == 0 && d.root.size() > bedst.root.size())
                bedst = d;
        return bedst;
    }
    DriveSpace driveSpace(const std::string& path) const override
    {
        return driveOf(path).root.empty() ? DriveSpace{} : plads;
    }

    std::vector<Kald> kald;
    std::string startup;
    mutable std::string startupBruger;
    std::vector<std::string> papirkurv;
    bool papirkurvSvar = true;
    // As it really is: the browser's Chromium cannot run as root with its sandbox.
    bool root = geteuid() == 0;
    std::map<SpecialFolder, std::string> specialmapper;
    std::vector<Drive> drev;
    DriveSpace plads;
    std::map<std::string, FileIcon> ikoner;
    int shellSvar = 42;
    std::string current = "/";
    std::string user = "kontor";
    std::string base;
    std::string programs = "/usr/share/applications";

private:
    std::unique_ptr<Platform> aegte = Platform::createNative();
};
