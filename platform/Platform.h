#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every operating-system service the program uses, in standard types only, so
// that the logic above builds against any backend and tests can install a fake.
// Paths are the platform's own form: UTF-8 on Windows, and on POSIX systems the
// file system's bytes, which need not be UTF-8 (Navnetekst shows them as text).
class Platform
{
public:
    virtual ~Platform() = default;

    // Login name of the user who runs the process; empty when none can be had.
    virtual std::string userName() const = 0;

    // The fixed folder under which all of the program's data lives.
    virtual std::string baseFolder() const = 0;

    // Where the open dialogs start when the user has chosen nothing yet.
    virtual std::string programsFolder() const = 0;

    // The shell's verbs "open" and "edit" on a file, started without waiting.
    // The file "cmd" with parameters "/K " + a script name runs that script from
    // the current folder in a console that stays open. A result above 32 is
    // success; 32 or less is a Windows shell error number (2 missing file,
    // 3 missing folder, 5 no permission, 31 no associated program).
    virtual int shellExecute(const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& folder) = 0;

    // Failures of a launch that the Windows shell has no number for, in the range
    // of its error numbers that it never returns.
    enum LaunchError : int {
        NoProgramLine = 20,   // a desktop entry without a program line it can run
        NoTerminal = 21,      // a script, and none of `terminals()` is installed
        ProgramNotFound = 22, // the program a desktop entry names is not installed
        NotStartable = 23,    // the system would not start the program
        // A desktop entry that is neither executable nor in the system's or the
        // user's folders of programs, or a batch script ("cmd" "/K") that is not
        // executable: "open" does not run it, as such a file may have come from
        // anywhere. The verb "openConfirmed" runs it, once the user has read its
        // `programLine` (an entry's) and said yes.
        UntrustedEntry = 24,
    };
    // Marks a file the user chose to run as one that may run from now on (the
    // owner's execute bit, as the desktop file managers set it); false when it
    // could not be marked.
    virtual bool markTrusted(const std::string& file) = 0;
    // The terminal programs a script is run in, in the order they are looked for.
    virtual std::vector<std::string> terminals() const = 0;
    // The program line of a file that names one (a desktop entry's Exec), as written.
    virtual std::string programLine(const std::string& file) const = 0;

    // Runs one of the data set's small scripts (the applets') without waiting and
    // reports once it has ended: the shell's result as `shellExecute` gives it,
    // the script's exit status, and what it printed (UTF-8), where the system
    // tells them (exit status 0 and nothing printed where it does not).
    struct ScriptResult
    {
        int shellResult = 0;
        int exitStatus = 0;
        std::string output;
    };
    virtual void runScript(const std::string& file,
                           std::function<void(const ScriptResult&)> done) = 0;

    // The first icon stored in a file, as the shell finds it.
    struct FileIcon
    {
        enum Kind {
            None = 0,        // a program or icon file without an icon
            NotAProgram = 1, // neither a program, a library nor an icon file
            Picture,         // `name` is an image file to load
            ThemeName,       // `name` is an icon theme's name for the picture
            IconData,        // `data` holds the bytes of an ".ico" file
        };
        Kind kind = None;
        std::string name;
        std::vector<std::uint8_t> data;
    };
    virtual FileIcon firstIcon(const std::string& file) const = 0;

    // The process's current folder, which a launch with no folder of its own starts in.
    virtual std::string currentFolder() const = 0;
    virtual bool setCurrentFolder(const std::string& folder) = 0;

    // The folder whose shortcuts start programs when `user` logs on, and the
    // file names of such a shortcut and of the data set's script that makes one
    // (its parameters: the program's path and the shortcut's path, each quoted).
    virtual std::string startupFolder(const std::string& user) const = 0;
    struct StartupNames
    {
        std::string shortcut;
        std::string script;
    };
    virtual StartupNames startupNames() const = 0;

    // Moves a file or a whole folder into the recycle bin; false when it could not go there.
    virtual bool moveToTrash(const std::string& file) = 0;
    // Deletes a file, a link or a whole folder tree for good, links not followed;
    // false when anything of it is left.
    virtual bool deletePermanently(const std::string& path) = 0;
    // Empties the recycle bin of the drive whose root is given. With `confirm`
    // the system asks the user first where it has a question of its own
    // (`asksBeforeEmptyingTrash`); false when it was not emptied.
    virtual bool emptyTrash(const std::string& drive, bool confirm) = 0;
    virtual bool asksBeforeEmptyingTrash() const = 0;
    // The characters that part a path's folders on this system.
#ifdef _WIN32
    static constexpr std::string_view pathSeparators = "/\\";
#else
    static constexpr std::string_view pathSeparators = "/";
#endif

    // One entry of a recycle bin.
    struct TrashItem
    {
        std::string id;            // where the bin keeps it; names it to the calls below
        std::string original;      // the full path it was deleted from
        std::int64_t deleted = -1; // milliseconds since 1970 UTC; -1 where the bin does not say
        bool folder = false;
        bool operator==(const TrashItem&) const = default;
    };
    // What the recycle bins of every drive hold, in no particular order, each
    // with its original place and deletion date.
    std::vector<TrashItem> trashItems() const
    {
        std::vector<TrashItem> items = trashEntries();
        std::erase_if(items, [this](TrashItem& t) { return !readTrashInfo(t); });
        return items;
    }
    // The same, fast: where a bin keeps an item's original place in a file of
    // its own, `original` stays empty until `readTrashInfo` reads it, and an
    // entry that lost that file is listed too.
    virtual std::vector<TrashItem> trashEntries() const = 0;
    // Fills in an item's original place and deletion date; false when its bin does not say.
    virtual bool readTrashInfo(TrashItem& item) const = 0;
    // Puts an item back at `target` (its original path or another on its drive);
    // never replaces an entry there and makes no missing folder.
    virtual bool restoreFromTrash(const TrashItem& item, const std::string& target) = 0;
    // Removes an item from its recycle bin for good.
    virtual bool deleteFromTrash(const TrashItem& item) = 0;

    // One entry as a tree walk sees it: a symbolic link is a link, not followed.
    struct TreeEntry
    {
        enum Kind { Missing, Folder, File, Link, Other };
        std::string name;
        Kind kind = Missing;
        std::int64_t size = 0; // bytes of a file; 0 for the rest
        bool operator==(const TreeEntry&) const = default;
    };
    // Every entry of a folder but "." and "..", hidden ones too, in the order
    // the file system gives them; names keep their bytes. Nothing when the
    // folder cannot be read whole, which an empty folder must not be taken for.
    virtual std::optional<std::vector<TreeEntry>> readFolder(const std::string& folder) const = 0;
    // What a path names; kind Missing when nothing is there. `name` is the last part.
    virtual TreeEntry entryOf(const std::string& path) const = 0;
    // The size of a file that can be opened for reading; -1 when it cannot.
    virtual std::int64_t readableSize(const std::string& file) const = 0;
    // Makes one folder; true when it is there afterwards (an existing one is reused).
    virtual bool makeFolder(const std::string& folder) = 0;
    // Copies a file over `target` in chunks, reporting bytes done of the total
    // after each, and keeps its times and permissions; a link is copied as a
    // link. The target is replaced only by a complete copy. Refused (false) when
    // source and target are the same file.
    using CopyProgress = std::function<void(std::int64_t done, std::int64_t total)>;
    virtual bool copyFile(const std::string& source, const std::string& target,
                          const CopyProgress& progress) = 0;
    // Renames a file or folder; never replaces another entry. A change of
    // letter case only is allowed where names ignore case.
    virtual bool renameEntry(const std::string& from, const std::string& to) = 0;

    // What a path names with links followed, and whether the owner may write to it.
    struct FileStatus
    {
        bool exists = false;
        bool folder = false;
        // One pair names one file or folder, whatever path leads to it.
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        // Milliseconds since 1970 UTC; -1 where the file system keeps no such time.
        std::int64_t created = -1;
        std::int64_t modified = -1;
        std::int64_t accessed = -1;
        bool readOnly = false;
        bool sameAs(const FileStatus& o) const
        {
            return exists && o.exists && device == o.device && inode == o.inode;
        }
    };
    virtual FileStatus statusOf(const std::string& path) const = 0;
    // Takes away, or gives back, the owner's permission to write; the rest stays.
    virtual bool setReadOnly(const std::string& path, bool readOnly) = 0;

    // Whether a name typed by the user names an entry of a folder itself: not
    // "." or "..", and no character the file system reserves (a separator, NUL).
    virtual bool validName(const std::string& name) const = 0;

    // Whether the text is a well-formed web address with a scheme.
    virtual bool isValidUrl(const std::string& url) const = 0;

    // True when the process runs as the POSIX root user, for whom the help
    // viewer's browser cannot keep its sandbox; Windows has no such user.
    virtual bool effectiveUserIsRoot() const = 0;

    // The extension of the small scripts the shell runs (the applets'):
    // ".vbs" for Windows Script Host, ".sh" for a POSIX shell.
    virtual std::string scriptSuffix() const = 0;

    // One entry of a folder; `name` keeps the bytes the file system holds, so
    // a name that is not valid UTF-8 can still be found again.
    struct FolderEntry
    {
        enum Kind { Folder, File, Other }; // Other: device, pipe, socket, broken link
        std::string name;
        Kind kind = Other;
        bool hidden = false; // begins with "." or is listed in the folder's ".hidden"
        bool operator==(const FolderEntry&) const = default;
    };
    // The entries of a folder without "." and "..", in the file system's own
    // order: the caller orders them for the user, which in a large folder can
    // begin with the rows a list shows first. A folder that cannot be read
    // gives what was read before the error, which may be nothing.
    virtual std::vector<FolderEntry> listFolder(const std::string& folder) const = 0;

    // The folders the desktop keeps for the user; empty when it has none.
    enum class SpecialFolder {
        Home,
        Desktop,
        Documents,
        Music,
        Pictures,
        Videos,
        Downloads,
        Favorites,
        Contacts,
        LocalAppData,
        StartMenuPrograms,
        OneDrive,
        CommonDocuments,
        CommonMusic,
        CommonPictures,
        CommonVideos
    };
    virtual std::string specialFolder(SpecialFolder which) const = 0;

    // The places the user keeps as favourites, by their captions: on Linux the
    // file managers' bookmarks. Where the system keeps a folder of favourites
    // instead (`SpecialFolder::Favorites`), none.
    struct Place
    {
        std::string caption;
        std::string path;
        bool operator==(const Place&) const = default;
    };
    virtual std::vector<Place> favoritePlaces() const = 0;

    // The drive types Windows knows.
    enum class DriveType { Unknown, Removable, Fixed, CdRom, RamDisk, Remote };
    // One mounted drive; `root` is its short form (a mount point on Linux, "C:\" on Windows).
    struct Drive
    {
        std::string root;
        DriveType type = DriveType::Unknown;
        std::string label;
        std::string fileSystem;
        bool operator==(const Drive&) const = default;
    };
    // The machine's drives in the platform's order, the system drive first.
    virtual std::vector<Drive> drives() const = 0;
    // The drive a path lies on; Unknown when none is mounted there.
    virtual Drive driveOf(const std::string& path) const = 0;
    // Whole size and free bytes of the drive a path lies on; -1 each on error.
    struct DriveSpace
    {
        std::int64_t size = -1;
        std::int64_t free = -1;
    };
    virtual DriveSpace driveSpace(const std::string& path) const = 0;

    // A key combination that the desktop hands to this program whichever
    // program has the keyboard. Keys go by the numbers Qt gives them: a
    // character key is its upper-case code point (Space 0x20, A 0x41, Æ 0xC6),
    // the others count from 0x01000000 (Escape; F1 is 0x01000030).
    struct GlobalKey
    {
        enum Modifier : unsigned { Shift = 1, Control = 2, Alt = 4, Meta = 8 };
        unsigned modifiers = 0;
        std::uint32_t key = 0;
        bool operator==(const GlobalKey&) const = default;
    };
    enum class GrabResult {
        Grabbed,
        Taken,      // another program holds the combination
        Refused,    // this keyboard has no such key, or the system said no
        Unsupported // the session lets no program take keys from the others
    };
    // Whether this session can give a program a key of its own at all (an X11
    // display or Windows; a Wayland session cannot).
    virtual bool globalKeysSupported() const = 0;
    // Takes the combination in place of the one taken before, which is let go
    // whatever the result; `pressed` runs on the GUI thread at each press.
    virtual GrabResult grabGlobalKey(const GlobalKey& key, std::function<void()> pressed) = 0;
    virtual void releaseGlobalKey() = 0;

    // The backend of the operating system the program was built for.
    static std::unique_ptr<Platform> createNative();
};
