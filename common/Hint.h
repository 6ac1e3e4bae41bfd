#pragma once

#include <QString>
#include <functional>

class QObject;

// The application's one hint handler. The long part of the hint under the mouse
// (a widget's or an action's status tip) goes to the window that installed
// itself last, whichever window the mouse is over.
namespace Hint {

// The part after "|" of a hint written "short|long"; the whole hint when it has none.
QString lang(const QString& hint);

// Makes `handler` the one in force for as long as `eier` lives.
void installer(QObject* eier, std::function<void(const QString&)> handler);

} // namespace Hint
