#pragma once

#include "Platform.h"

#include <memory>

// The services as Windows gives them, through its wide-character calls.
class WindowsPlatform : public Platform
{
public:
    std::string userName() const override;
    std::string baseFolder() const override;
    std::string programsFolder() const override;
    int shellExecute(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& folder) override;
    // The console runs scripts, and Windows keeps no desktop entries.
    std::vector<std::string> terminals() const override { return {"cmd"}; }
    std::string programLine(const std::string&) const override { return {}; }
    // Windows runs every script and has no execute bit to set.
    bool markTrusted(const std::string&) override { return true; }
    void runScript(const std::string& file, std::function<void(const ScriptResult&)> done) override;
    FileIcon firstIcon(const std::string& file) const override;
    std::string currentFolder() const override;
    bool setCurrentFolder(const std::string& folder) override;
    std::string startupFolder(const std::string& user) const override;
    StartupNames startupNames() const override;
    bool moveToTrash(const std::string& file) override;
    bool deletePermanently(const std::string& path) override;
    bool emptyTrash(const std::string& drive, bool confirm) override;
    bool asksBeforeEmptyingTrash() const override { return true; }
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
    bool effectiveUserIsRoot() const override { return false; }
    std::string scriptSuffix() const override { return ".vbs"; }
    std::vector<FolderEntry> listFolder(const std::string& folder) const override;
    std::string specialFolder(SpecialFolder which) const override;
    std::vector<Place> favoritePlaces() const override;
    std::vector<Drive> drives() const override;
    Drive driveOf(const std::string& path) const override;
    DriveSpace driveSpace(const std::string& path) const override;
    bool globalKeysSupported() const override { return true; }
    GrabResult grabGlobalKey(const GlobalKey& key, std::function<void()> pressed) override;
    void releaseGlobalKey() override;

    WindowsPlatform();
    ~WindowsPlatform() override;

private:
    // The hidden window that receives the global key's presses.
    struct Genvej;
    std::unique_ptr<Genvej> m_genvej;
};
