#pragma once

#include <QString>
#include <QStringList>

// The freedesktop.org desktop entries that launch programs and open files.
namespace DesktopEntry {

struct Entry
{
    QStringList exec; // the program and its arguments, field codes still in place
    QString path;     // the folder to start in; empty: the caller's
    QString icon;     // a theme's icon name or an image file
    bool terminal = false;
    bool valid = false;
};

// Reads the [Desktop Entry] group of a .desktop file.
Entry laes(const QString& filnavn);

// Splits an Exec value into arguments by the desktop entry quoting rules.
QStringList split(const QString& exec);

// The arguments with the file put in place of %f/%F/%u/%U (appended when the
// entry names none) and the other field codes removed.
QStringList medFil(const QStringList& exec, const QString& fil);

// The desktop entry that opens files of this MIME type by default, or one of
// its parent types; empty when no program is associated.
QString standardProgram(const QString& mimeType);

// The full path of a desktop entry's id (for example "org.gnome.gedit.desktop").
QString find(const QString& id);

} // namespace DesktopEntry
