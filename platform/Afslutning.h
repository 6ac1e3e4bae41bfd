#pragma once

#include <functional>

// The system's request that the program end, brought into the event loop.
namespace Afslutning {

// From now on `afslut` runs in the event loop when the system asks the program
// to end: SIGTERM, SIGHUP (the terminal or session went away) or SIGINT on
// POSIX. A later call replaces the function. On Windows the session's end
// reaches the program as the toolkit's own messages, and nothing is installed.
void lyt(std::function<void()> afslut);

} // namespace Afslutning
