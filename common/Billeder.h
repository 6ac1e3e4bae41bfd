#pragma once

#include <QIcon>
#include <QList>

// The toolbar and menu pictures, at fixed places, drawn for light or dark designs:
// 0 properties, 1 information, 2 close the program, 5 groups and elements, 6 groups,
// 7 new element, 8 remove or edit element, 9 administer groups, 10 activate the selected
// element, 11 menu view, 14 applets, 15 change view, 16 file box, 18 close (menu view),
// 19 next group, 20 previous group, 21 activate (not available), 22 choose an element
// file, 23 insert elements from the file manager. The other places are empty.
namespace Billeder {

constexpr int antal = 24;
QList<QIcon> liste(bool moerk);

// A picture of the group window by name: "tillager", "tilbage", "alletillager",
// "alletilbage", "op", "ned", "gem", "info" and "sorter"; of the information viewer by
// name: "foerste", "tilbage", "frem", "sidste", "gaa", "historik", "udfold", "sammenfold",
// and "emne0" to "emne3" for the kinds of topic; of the message boxes: "info",
// "spoergsmaal", "ok" and "ja"; "soeg" for find as you type.
QIcon billede(const QString& navn, bool moerk);

} // namespace Billeder
