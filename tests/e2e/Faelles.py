# What the end-to-end scripts that read the accessibility tree share: checks
# that count, and waits with a deadline instead of sleeps.
import sys
import time

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


def afslut(hvad):
    print(f"{hvad}: {bestaaet} passed, {fejlet} failed")
    sys.exit(0 if fejlet == 0 else 1)
