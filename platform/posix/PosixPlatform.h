#pragma once

#include "Platform.h"
#include "X11Genvej.h"

#include <utility>

class PosixPlatform : public Platform
{
public:
    // Only the drives mounted at or below `drivesUnder` are seen, their trash
    // included: a test keeps to its own folder and never meets the machine's.
    explicit PosixPlatform(std::string drivesUnder = "/") : m_drevRod(std::move(drivesUnder)) {}

    // The user's home: $HOME, else the account's own; empty when neither is known.
    static std::string homeFolder();

    std::string userName() const override;
    std::string baseFolder() const override;
    std::string programsFolder() const override;
    int shellExecute(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& folder) override;
    std::vector<std::string> terminals() const override;
    std::string programLine(const std::string& file) const override;
    bool markTrusted(const std::string& file) override;
    void runScript(const std::string& file, std::function<void(const ScriptResult&)> done) override;
    FileIcon firstIcon(const std::string& file) const override;
    std::string currentFolder() const override;
    bool setCurrentFolder(const std::string& folder) override;
    std::string startupFolder(const std::string& user) const override;
    StartupNames startupNames() const override;
    bool moveToTrash(const std::string& file) override;
    bool deletePermanently(const std::string& path) override;
    bool emptyTrash(const std::string& drive, bool confirm) override;
    bool asksBeforeEmptyingTrash() const override { return false; }
    std::vector<TrashItem> trashEntries() const override;
    bool readTrashInfo(TrashItem& item) const override;
    bool restoreFromTrash(const TrashItem& item, const std::string& target) override;
    bool deleteFromTrash(const TrashItem& item) override;
    std::optional<std::vector<TreeEntry>> readFolder(const std::string& folder) const override;
    TreeEntry entryOf(const std::string& path) const override;
    std::int64_t readableSize(const std::string& file) const override;
    bool makeFolder(const std::string& folder) override;
    bool copyFile(const std::string& source, const std::string& target,
                  const CopyProgress& progress) override;
    bool renameEntry(const std::string& from, const std::string& to) override;
    FileStatus statusOf(const std::string& path) const override;
    bool setReadOnly(const std::string& path, bool readOnly) override;
    bool validName(const std::string& name) const override;
    bool isValidUrl(const std::string& url) const override;
    bool effectiveUserIsRoot() const override;
    std::string scriptSuffix() const override { return ".sh"; }
    std::vector<FolderEntry> listFolder(const std::string& folder) const override;
    std::string specialFolder(SpecialFolder which) const override;
    std::vector<Place> favoritePlaces() const override;
    std::vector<Drive> drives() const override;
    Drive driveOf(const std::string& path) const override;
    DriveSpace driveSpace(const std::string& path) const override;
    bool globalKeysSupported() const override { return X11Genvej::understoettet(); }
    GrabResult grabGlobalKey(const GlobalKey& key, std::function<void()> pressed) override
    {
        return m_genvej.tag(key, std::move(pressed));
    }
    void releaseGlobalKey() override { m_genvej.slip(); }

private:
    X11Genvej m_genvej;
    std::string m_drevRod;
    // Deletes what a folder holds and keeps the folder.
    bool emptyFolder(const std::string& folder);
};
