#pragma once

#include "Aegte.h"
#include "Platform.h"

#include <deque>
#include <map>
#include <ostream>
#include <vector>

// A platform whose answers a test sets.
class FakePlatform : public Platform
{
public:
    explicit FakePlatform(std::string rod) : base(std::move(rod)) {}

    std::string userName() const override { return user; }
    std::string baseFolder() const override { return base; }
    std::string programsFolder() const override { return programs; }

    struct Kald
    {
        std::string verb, file, parameters, folder, current;
        bool operator==(const Kald&) const = default;
        // As a failed expectation shows it.
        friend void PrintTo(const Kald& k, std::ostream* ud)
        {
            *ud << '{' << k.verb << " | " << k.file << " | " << k.parameters << " | " << k.folder
                << " | " << k.current << '}';
        }
    };
    int shellExecute(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& folder) override
    {
        kald.push_back({verb, file, parameters, folder, current});
        if (!naesteSvar.empty()) {
            const int svar = naesteSvar.front();
            naesteSvar.pop_front();
            return svar;
        }
        return shellSvar;
    }
    std::vector<std::string> terminals() const override { return {"xterm", "konsole"}; }
    std::string programLine(const std::string& file) const override
    {
        const auto it = programlinjer.find(file);
        return it == programlinjer.end() ? std::string() : it->second;
    }
    // Marks the file on the disk, as the real backend does.
    bool markTrusted(const std::string& file) override
    {
        betroet.push_back(file);
        return aegte->markTrusted(file);
    }
    // Runs at once, with the answer a test set.
    void runScript(const std::string& file, std::function<void(const ScriptResult&)> done) override
    {
        kald.push_back({"script", file, {}, {}, current});
        done(scriptSvar);
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
        if (papirkurvAegte)
            return aegte->moveToTrash(file);
        if (papirkurvSvar && papirkurvSletter)
            return aegte->deletePermanently(file);
        return papirkurvSvar;
    }
    // Files are copied, renamed and deleted on the disk, as the real backend does;
    // `kopiFejler` makes chosen copies fail as a full disk would.
    bool deletePermanently(const std::string& path) override
    {
        slettet.push_back(path);
        return aegte->deletePermanently(path);
    }
    bool emptyTrash(const std::string& drive, bool confirm) override
    {
        toemt.push_back(drive + (confirm ? "|spørg" : ""));
        return true;
    }
    bool asksBeforeEmptyingTrash() const override { return spoergerSelv; }
    // The real recycle bin's, which a test keeps in a folder of its own.
    std::vector<TrashItem> trashEntries() const override { return aegte->trashEntries(); }
    bool readTrashInfo(TrashItem& item) const override { return aegte->readTrashInfo(item); }
    bool restoreFromTrash(const TrashItem& item, const std::string& target) override
    {
        return aegte->restoreFromTrash(item, target);
    }
    bool deleteFromTrash(const TrashItem& item) override { return aegte->deleteFromTrash(item); }
    // `laesFejler` makes chosen folders unreadable, as a folder of mode 000 is
    // to anyone but root.
    std::optional<std::vector<TreeEntry>> readFolder(const std::string& folder) const override
    {
        if (laesFejler && laesFejler(folder))
            return std::nullopt;
        return aegte->readFolder(folder);
    }
    TreeEntry entryOf(const std::string& path) const override { return aegte->entryOf(path); }
    std::int64_t readableSize(const std::string& file) const override
    {
        return aegte->readableSize(file);
    }
    bool makeFolder(const std::string& folder) override { return aegte->makeFolder(folder); }
    bool copyFile(const std::string& source, const std::string& target,
                  const CopyProgress& progress) override
    {
        if (kopiFejler && kopiFejler(source))
            return false;
        return aegte->copyFile(source, target, progress);
    }
    bool renameEntry(const std::string& from, const std::string& to) override
    {
        return aegte->renameEntry(from, to);
    }
    FileStatus statusOf(const std::string& path) const override { return aegte->statusOf(path); }
    bool setReadOnly(const std::string& path, bool readOnly) override
    {
        return aegte->setReadOnly(path, readOnly);
    }

    bool validName(const std::string& name) const override { return aegte->validName(name); }
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
    std::vector<Place> favoritePlaces() const override { return favoritter; }
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

    bool globalKeysSupported() const override { return genvejMulig; }
    GrabResult grabGlobalKey(const GlobalKey& key, std::function<void()> pressed) override
    {
        genvejTryk = nullptr;
        if (!genvejMulig)
            return GrabResult::Unsupported;
        greb.push_back(key);
        if (grebSvar == GrabResult::Grabbed)
            genvejTryk = std::move(pressed);
        return grebSvar;
    }
    void releaseGlobalKey() override
    {
        genvejTryk = nullptr;
        ++sluppet;
    }
    // The user presses the global key in another program.
    void trykGenvej()
    {
        if (genvejTryk)
            genvejTryk();
    }

    bool genvejMulig = true;
    GrabResult grebSvar = GrabResult::Grabbed;
    std::vector<GlobalKey> greb; // every combination asked for
    int sluppet = 0;
    std::function<void()> genvejTryk; // set while a combination is held

    std::vector<Kald> kald;
    std::vector<std::string> betroet; // every file marked trusted
    std::string startup;
    mutable std::string startupBruger;
    std::vector<std::string> papirkurv;
    bool papirkurvSvar = true;
    bool papirkurvSletter = false; // what goes to the recycle bin leaves its folder
    bool papirkurvAegte = false;   // into the real recycle bin
    std::vector<std::string> slettet;
    std::vector<std::string> toemt;
    bool spoergerSelv = false;
    std::function<bool(const std::string&)> kopiFejler;
    std::function<bool(const std::string&)> laesFejler;
    // As it really is: the browser's Chromium cannot run as root with its sandbox.
    bool root = koererSomRoot();
    std::map<SpecialFolder, std::string> specialmapper;
    std::vector<Place> favoritter;
    std::vector<Drive> drev;
    DriveSpace plads;
    std::map<std::string, FileIcon> ikoner;
    int shellSvar = 42;
    std::deque<int> naesteSvar; // answers before `shellSvar`, one a call
    std::map<std::string, std::string> programlinjer;
    ScriptResult scriptSvar{42, 0, {}};
    std::string current = "/";
    std::string user = "kontor";
    std::string base;
    std::string programs = "/usr/share/applications";

private:
    // The real backend for files and the trash.
    std::unique_ptr<Platform> aegte = aegtePlatform(base);
};
