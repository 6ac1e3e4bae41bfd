#!/usr/bin/env python3
# Listens on the accessibility bus as a screen reader does: it takes every
# focus, object and window event and asks the object it names for its name,
# role and state, until it is stopped.
import signal
import sys

import pyatspi


def lyt(e):
    try:
        kilde = e.source
        kilde.name, kilde.getRole(), kilde.getState()
    except Exception:
        pass


signal.signal(signal.SIGTERM, lambda *_: pyatspi.Registry.stop())
pyatspi.Registry.registerEventListener(lyt, "object", "focus", "window")
print("lytter", flush=True)
pyatspi.Registry.start()
sys.exit(0)
