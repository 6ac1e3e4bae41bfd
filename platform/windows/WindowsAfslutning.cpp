#include "Afslutning.h"

// A Windows program with windows gets no console control events; the log-off
// and shut-down come as WM_QUERYENDSESSION and WM_ENDSESSION, which the
// toolkit turns into its commit-data request and its aboutToQuit, which the
// program answers.
void Afslutning::lyt(std::function<void()>) {}
