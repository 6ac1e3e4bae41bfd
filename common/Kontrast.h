#pragma once

#include <QColor>
#include <QPalette>
#include <initializer_list>

// Colours that stand out as the WCAG contrast rules ask: text at least 4.5:1
// against its background, outlines and state marks at least 3:1.
namespace Kontrast {

constexpr double tekst = 4.5;
constexpr double graense = 3.0;

// The WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double forhold(const QColor& a, const QColor& b);

// The colour `andel` of the way from `a` to `b`.
QColor blanding(const QColor& a, const QColor& b, double andel);

// The first colour on the way from `fra` to `mod` that reaches `maal` against
// every background; `mod` when none does.
QColor mindst(const QColor& fra, const QColor& mod, std::initializer_list<QColor> baggrunde,
              double maal);

// A palette's outline of controls: edit fields, buttons, check boxes, frames.
// Muted in the palette's disabled group.
QColor kant(const QPalette& palet);
// The mark of the control with the keyboard focus.
QColor fokus(const QPalette& palet);
// Disabled text: clearly fainter than the text, and grey rather than the
// design's hue, so that it never looks highlighted.
QColor slukket(const QColor& forgrund, const QColor& baggrund);

} // namespace Kontrast
