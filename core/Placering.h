#pragma once

#include "Options.h"

#include <QRect>
#include <optional>

// Where "Placering" puts the main window on the screen's work area.
namespace Placering {

// No size limit: the toolkit's largest widget size (QWIDGETSIZE_MAX).
inline constexpr int ubegraenset = (1 << 24) - 1;

enum Valg { Hjoerne = 0, Venstre = 1, Hoejre = 2, Top = 3, Bund = 4 };

struct Resultat
{
    QRect ramme; // the window with its frame
    std::optional<Options::Placering> redskabslinje;
};

// A window that fills the work area across (for the sides) or from top to
// bottom (for top and bottom) is first made a strip the other way; then it is
// given that side of the work area, never reaching outside it. `mindst` and
// `stoerst` are the window's own size limits, frame included.
Resultat beregn(Valg valg, const QRect& ramme, const QRect& flade, const QSize& mindst = {},
                const QSize& stoerst = {ubegraenset, ubegraenset});

} // namespace Placering
