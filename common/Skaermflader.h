#pragma once

#include "Skaermplads.h"

#include <QRect>
#include <QSize>

namespace Skaermplads {

// The window `sted` kept within the work areas of this session's screens.
QRect tilpas(const QRect& sted, const QSize& minimum);

} // namespace Skaermplads
