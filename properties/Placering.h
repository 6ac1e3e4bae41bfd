#pragma once

#include "Options.h"

#include <QRect>
#include <QWidget>
#include <optional>

// Where "Placering" puts the main window on the screen's work area.
namespace Placering {

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
                const QSize& stoerst = {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX});

} // namespace Placering
