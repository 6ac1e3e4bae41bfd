#pragma once

#include <QRect>
#include <QString>

class QWidget;

// A small window's place in a four-line file of its own: top, left, width, height.
namespace Vindueplads {

// The saved place, or `standard` when the file is missing or a line is not a number.
QRect hent(const QString& filnavn, const QRect& standard);
// Puts the window at the saved place, or at `standard`.
void anvend(QWidget* vindue, const QString& filnavn, const QRect& standard);
// An empty string on success, else a Danish message; the old file is then kept.
[[nodiscard]] QString gem(const QString& filnavn, const QWidget* vindue);

} // namespace Vindueplads
