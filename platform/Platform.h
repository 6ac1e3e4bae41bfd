#pragma once

#include <memory>
#include <string>

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

    // The backend of the operating system the program was built for.
    static std::unique_ptr<Platform> createNative();
};
