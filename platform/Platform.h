#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Every operating-system service the program uses, in standard types only, so
// that the logic above builds against any backend and tests can install a fake.
// Paths are UTF-8 in the platform's own form.
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

    // Moves a file into the recycle bin; false when it could not go there.
    virtual bool moveToTrash(const std::string& file) = 0;

    // Whether the text is a well-formed web address with a scheme.
    virtual bool isValidUrl(const std::string& url) const = 0;

    // True when the process runs as the POSIX root user, for whom the help
    // viewer's browser cannot keep its sandbox; Windows has no such user.
    virtual bool effectiveUserIsRoot() const = 0;

    // The extension of the small scripts the shell runs (the applets'):
    // ".vbs" for Windows Script Host, ".sh" for a POSIX shell.
    virtual std::string scriptSuffix() const = 0;

    // The backend of the operating system the program was built for.
    static std::unique_ptr<Platform> createNative();
};
