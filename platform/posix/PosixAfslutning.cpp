#include "Afslutning.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The self-pipe: a signal handler may only write a byte; the loop reads it.
int par[2] = {-1, -1};
std::function<void()> vedAfslutning;

void signalModtaget(int)
{
    const int gemt = errno;
    const char b = 1;
    // A full pipe already holds a request; losing this one changes nothing.
    [[maybe_unused]] const ssize_t n = ::write(par[0], &b, 1);
    errno = gemt;
}

void modtag()
{
    char buffer[64];
    while (::read(par[1], buffer, sizeof buffer) > 0) {
    }
    if (vedAfslutning)
        vedAfslutning();
}

} // namespace

void Afslutning::lyt(std::function<void()> afslut)
{
    vedAfslutning = std::move(afslut);
    if (par[0] != -1)
        return;
    // Not inherited by the programs started from the panel.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, par) != 0) {
        qWarning("Tavlum: the end of the session cannot be heard: %s", strerror(errno));
        return;
    }
    auto* notifier = new QSocketNotifier(par[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { modtag(); });
    struct sigaction handling = {};
    handling.sa_handler = signalModtaget;
    sigemptyset(&handling.sa_mask);
    handling.sa_flags = SA_RESTART;
    for (const int s : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(s, &handling, nullptr);
}
