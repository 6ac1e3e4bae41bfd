#pragma once

#include "functions/Spm.h"

#include <stdexcept>
#include <string>

// A file that an operation counted could not be read; the operation reports it.
class Laesefejl : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Counts what an operation will process, and writes its summary and percentage.
class TInformation : public TSpm
{
    Q_OBJECT
public:
    using TSpm::TSpm;

    // Adds every file below a folder to the totals, links and hidden files
    // too; the folder itself is already counted.
    void getDirInfo(const QString& dir);
    // The size of a file, 1 for an empty one; throws Laesefejl when it cannot be read.
    qint64 getFilensSize(const QString& path) const;
    // "Der kopieres 12 filer fra 3 mapper: 1,43 MB" or "Der slettes 1 element: 999 bytes".
    void udskrivInfo(bool kopiering);
    // One element finished: its bytes are done; returns the overall percentage.
    int progressInfo(qint64 delta);
    // The overall percentage with these bytes of the total done.
    int samletProcent(qint64 bytes) const;
    // The summary's size text, without an exact count.
    static QString sizeText(qint64 size);

    Fremdrift* Progressvindue = nullptr;

protected:
    // A path below a folder, with the platform's own separator.
    static std::string under(const std::string& mappe, const std::string& navn);

private:
    void taelMappe(const std::string& mappe);
};
