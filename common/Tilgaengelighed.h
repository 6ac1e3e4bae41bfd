#pragma once

class QToolButton;
class QWidget;

// What the toolkit leaves out of the accessibility tree, filled in: every
// window of the program is a frame or a dialog named by its caption, and a
// button whose whole face opens a menu has that menu, with its items, as child.
namespace Tilgaengelighed {

// Once, before the windows are made; later calls change nothing.
void installer();

enum class Menu { Egen, Delt };

// To be called once a button that opens its menu with its whole face has that
// menu. Its own menu becomes its child; a menu several buttons share is the
// child of none of them, and each still opens it.
void menuknap(QToolButton* knap, Menu menu = Menu::Egen);

// Names the toolkit's own buttons in a window that have none (a toolbar's
// button for the buttons that do not fit, an edit field's clear button).
void navngivIndbyggede(QWidget* vindue);

} // namespace Tilgaengelighed
