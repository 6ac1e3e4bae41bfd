#pragma once

#include <QString>
#include <QStringList>

// The named visual styles, each applied to the whole application at once.
namespace Design {

// Every design the program knows, in the order the properties window offers them.
QStringList navne();

// The known spelling of a name, matched without regard to case; empty when unknown.
QString kendtNavn(const QString& navn);

// Applies the design to every window; an unknown name changes nothing and
// gives the notice "Style '<name>' not found". Returns whether it was applied.
bool anvend(const QString& navn);

// The design applied last.
QString aktiv();

// Dark designs get the dark picture set.
bool erMoerk(const QString& navn);

} // namespace Design
