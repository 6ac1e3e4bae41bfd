#pragma once

#include <QRect>
#include <QString>

class Filvagt;
class QWidget;

// A small window's place in a four-line file of its own: top, left, width, height.
namespace Vindueplads {

// The saved place, or `standard` for each value that is missing, not a number
// or no sane place or size; a file that cannot be read is as a missing one.
QRect hent(Filvagt& vagt, const QString& filnavn, const QRect& standard);
// Puts the window at the saved place, or at `standard`, kept on the screens.
void anvend(QWidget* vindue, Filvagt& vagt, const QString& filnavn, const QRect& standard);
// An empty string on success, else a Danish message; the old file is then kept.
[[nodiscard]] QString gem(Filvagt& vagt, const QString& filnavn, const QWidget* vindue);

} // namespace Vindueplads
