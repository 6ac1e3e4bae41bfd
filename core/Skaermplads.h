#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <optional>

// Window places and sizes read from the settings files, kept within what the
// screens can show: a damaged value never reaches a window.
namespace Skaermplads {

// The least size a window takes from a file.
inline constexpr QSize mindst(120, 80);
// Beyond this a value is damage, not a large screen; it falls back to its default.
inline constexpr int hoejst = 32767;

// Line i as a place (x or y) or as a size; nothing when it is missing, no
// number, or no sane place or size (a size must be positive).
std::optional<int> koordinat(const QStringList& linjer, int i);
std::optional<int> stoerrelse(const QStringList& linjer, int i);

// The window `sted` as it can be shown on screens with these work areas: on
// the one it overlaps most (the nearest when it overlaps none), at least
// `minimum` and mindst, at most that work area, and moved to lie inside it.
// Skaermflader.h gives the same on the screens of this session.
QRect tilpas(const QRect& sted, const QSize& minimum, const QList<QRect>& flader);

} // namespace Skaermplads
