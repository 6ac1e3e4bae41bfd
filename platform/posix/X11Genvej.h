#pragma once

#include "Platform.h"

#include <memory>

// One key combination taken from the X server for the whole display, through
// the toolkit's own connection, so that the window it raises is on the same server.
class X11Genvej
{
public:
    X11Genvej();
    ~X11Genvej();
    X11Genvej(const X11Genvej&) = delete;
    X11Genvej& operator=(const X11Genvej&) = delete;

    static bool understoettet();
    Platform::GrabResult tag(const Platform::GlobalKey& key, std::function<void()> trykket);
    void slip();

private:
    struct Greb;
    std::unique_ptr<Greb> m_greb;
};
