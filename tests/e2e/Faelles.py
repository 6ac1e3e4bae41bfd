# What the end-to-end scripts that read the accessibility tree share: checks
# that count, and waits with a deadline instead of sleeps.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

bestaaet = fejlet = 0


def tjek(hvad, ok):
    global bestaaet, fejlet
    if ok:
        bestaaet += 1
        print("ok:", hvad)
    else:
        fejlet += 1
        print("FAIL:", hvad)


def vent(betingelse, sekunder=15):
    slut = time.time() + sekunder
    while time.time() < slut:
        try:
            svar = betingelse()
            # An object without children reads as false, yet it is found.
            if isinstance(svar, Atspi.Accessible) or svar:
                return svar
        except Exception:
            pass
        time.sleep(0.1)
    return None


def start(program, hjem):
    """The program with its own home, on X and the accessibility bus."""
    miljoe = dict(os.environ, HOME=hjem, QT_QPA_PLATFORM="xcb",
                  QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    for navn in ("XDG_CONFIG_HOME", "XDG_DATA_HOME"):
        miljoe.pop(navn, None)
    return subprocess.Popen([program], env=miljoe, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def app(proces):
    """The program's application in the accessibility tree."""
    skrivebord = pyatspi.Registry.getDesktop(0)
    for i in range(skrivebord.childCount):
        a = skrivebord[i]
        if a is not None and a.name == "Tavlum" and a.get_process_id() == proces.pid:
            return a
    return None


def afslut(hvad):
    print(f"{hvad}: {bestaaet} passed, {fejlet} failed")
    sys.exit(0 if fejlet == 0 else 1)
