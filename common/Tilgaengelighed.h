#pragma once

class QToolButton;
class QWidget;

// What the toolkit leaves out of the accessibility tree, filled in: every
// window of the program is a frame or a dialog named by its caption, and a
// button whose whole face opens a menu has that menu, with its items, as child.
namespace Tilgaengelighed {

// Once, before the windows are made; later calls change nothing.
void installer();

// To be called once a button that opens its menu with its whole face has that menu.
void menuknap(QToolButton* knap);

// Names the toolkit's own buttons in a window that have none (a toolbar's
// button for the buttons that do not fit).
void navngivIndbyggede(QWidget* vindue);

} // namespace Tilgaengelighed
