#pragma once

#include <QIcon>

class QByteArray;

// An ".ico" file read without the toolkit's icon plugin: the PNG and 32-bit
// pictures that the data set's icon files hold are decoded here, because the
// plugin hands a PNG picture to a reader that first asks every installed image
// format plugin whether it is theirs, which loads them all. Any other kind of
// icon file gives a null icon, and the caller lets the toolkit read it.
namespace Ikonlaeser {

QIcon laes(const QByteArray& data);

} // namespace Ikonlaeser
