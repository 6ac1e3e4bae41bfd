#pragma once

#include <QString>
#include <QStringList>

// The freedesktop.org desktop entries that launch programs and open files.
namespace DesktopEntry {

struct Entry
{
    QString execLine; // the program line as written, for the user to read
    QStringList exec; // the program and its arguments, field codes still in place
    QString path;     // the folder to start in; empty: the caller's
    QString icon;     // a theme's icon name or an image file
    QString name;     // the name in the user's language where the entry has one
    QString url;      // what a link entry (Type=Link) opens
    QString location; // the entry's own file
    bool terminal = false;
    // The program line can be run: present, quoted as the rules say, and
    // holding only the field codes they list.
    bool valid = false;
};

// Reads the [Desktop Entry] group of a .desktop file. A file is read only up
// to a bound far beyond any real entry, and a program line past its own bound
// is no program line.
Entry laes(const QString& filnavn);

// The escapes of a string value: \s, \n, \t, \r and \\.
QString udpak(const QString& vaerdi);

// Splits a program line (its string escapes already undone) into arguments by
// the quoting rules: blanks separate, double quotes quote, and inside quotes a
// backslash takes the next ", `, $ or \ as it is. Empty for an unbalanced quote.
QStringList split(const QString& exec);

// The arguments with the field codes expanded: %f, %F, %u and %U give the file
// (an argument of its own is left out without one; the file is appended when the
// line names none), %i gives "--icon" and the icon, %c the name, %k the entry's
// file, %% a "%", and the old codes nothing.
QStringList medFil(const Entry& entry, const QString& fil);

// Whether every "%" of the arguments starts a field code the rules list.
bool kenderFeltkoder(const QStringList& exec);

// The desktop entry that opens files of this MIME type by default, or one of
// its parent types; empty when no program is associated.
QString standardProgram(const QString& mimeType);

// The full path of a desktop entry's id (for example "org.gnome.gedit.desktop").
QString find(const QString& id);

// The folders of installed programs' entries: the user's and the system's.
QStringList programmapper();

} // namespace DesktopEntry
