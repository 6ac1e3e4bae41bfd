#pragma once

#include "Options.h"

#include <QRect>
#include <optional>

// Where "Placering" puts the main window on the screen's work area.
namespace Placering {

enum Valg { Hjoerne = 0, Venstre = 1, Hoejre = 2, Top = 3, Bund = 4 };

struct Resultat
{
    QRect ramme; // the window with its frame
    std::optional<Options::Placering> redskabslinje;
};

// A window that spans the whole screen is first narrowed (for the sides) or
// lowered (for top and bottom) to a sensible strip; then it is given that side
// of the work area, never reaching outside it.
Resultat beregn(Valg valg, const QRect& ramme, const QSize& skaerm, const QRect& flade);

} // namespace Placering
