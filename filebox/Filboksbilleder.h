#pragma once

#include <QIcon>
#include <QList>

// The file box's pictures, drawn for light or dark designs.
namespace Filboksbilleder {

// The file list's pictures by the indexes of the extension table.
QList<QIcon> ImageFilliste(bool moerk);
// The drive menu's: 1 the system drive, 2 other drives, 12 CD-ROM.
QList<QIcon> AImageDirliste(bool moerk);
// The folder menu's: 0 a folder, then the recent folders, inserting one, and
// OneDrive, desktop, documents, pictures, music, videos, favourites, contacts,
// downloads, start menu, application data and the shared folders.
QList<QIcon> ImageListMapper(bool moerk);
// A toolbar picture by name.
QIcon knap(const QString& navn, bool moerk);

} // namespace Filboksbilleder
