#!/usr/bin/python3
# Groups moved to "Lager" and the program ended with Ctrl+Q before the tab was
# saved: the answer to the question decides what the group files hold.
# Arguments: the program, a work folder.
import os
import subprocess
import sys

import pyatspi

from Faelles import afslut, app, start, tjek, vent

program, arbejde = sys.argv[1], sys.argv[2]


hjem = os.path.join(arbejde, "lager")
bruger = subprocess.run(["id", "-un"], capture_output=True, text=True).stdout.strip()
u = os.path.join(hjem, "Tavlum", "Brugere", bruger)
os.makedirs(os.path.join(u, "Filer"))


def skriv(navn, linjer):
    with open(os.path.join(u, navn), "wb") as f:
        f.write("".join(l + "\r\n" for l in linjer).encode("cp1252"))


def laes(navn):
    sti = os.path.join(u, navn)
    if not os.path.exists(sti):
        return None
    with open(sti, "rb") as f:
        return f.read().decode("cp1252").split("\r\n")[:-1]


skriv("programgrupper.txt", ["Alfa", "Beta", "Gamma"])
for g in ("Alfa", "Beta", "Gamma"):
    skriv(os.path.join("Filer", g + ".txt"), ["/bin/true"])
    skriv(os.path.join("Filer", g + "tekst.txt"), [g + " element"])
skriv("options.txt", ["Aqua Light Slate", "Beta"])


def koer(gruppe, svar):
    """Moves `gruppe` to storage, ends with Ctrl+Q and answers the question."""
    proces = start(program, hjem)

    def vindue(navn):
        def blandt():
            a = app(proces)
            return next((a[i] for i in range(a.childCount)
                         if a[i] is not None and a[i].name == navn), None)
        return vent(blandt)

    def synlig(rod, rolle, navn):
        return vent(lambda: next(x for x in pyatspi.findAllDescendants(
            rod, lambda x: x is not None and x.getRoleName() == rolle and x.name == navn)
            if x.getState().contains(pyatspi.STATE_SHOWING)))

    def klik(obj):
        e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(e.x + e.width // 2),
                        str(e.y + e.height // 2), "click", "1"])

    def taster(navn, *tast):
        w = vent(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(proces.pid), "--name",
             "^" + navn + "$"], capture_output=True, text=True).stdout.split()[0])
        subprocess.run(["xdotool", "windowfocus", "--sync", w], stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "key", "--delay", "60", *tast])

    def tryk(rod, navn):
        knap = synlig(rod, "push button", navn)
        knap.queryAction().doAction(0)

    try:
        vent(app)
        taster("Beta", "ctrl+g")
        g = vindue("Administrer grupper og elementer")
        klik(synlig(g, "page tab", "Administrer grupper"))
        liste = synlig(g, "list", "Programgrupper")
        klik(vent(lambda: next(liste[i] for i in range(liste.childCount)
                               if liste[i].name == gruppe)))
        tryk(g, "Flyt valgte til lager")
        taster("Beta", "ctrl+q")
        q = vindue("Spørgsmål")
        tjek("Ctrl+Q asks about the pending storage change",
             q is not None and q[0].name == "Skal ændringerne gemmes?")
        tryk(q, svar)
        if svar == "Ja":
            b = vindue("Information")
            tjek("saving says so", b is not None and b[0].name == "Forandringer gemmes!")
            tryk(b, "OK")
        proces.wait(15)
        tjek("the program ends", proces.returncode is not None)
    finally:
        if proces.poll() is None:
            proces.kill()
            proces.wait()


koer("Alfa", "Ja")
tjek("Ja: the group list lost Alfa", laes("programgrupper.txt") == ["Beta", "Gamma"])
tjek("Ja: the storage list holds Alfa", laes("lagergrupper.txt") == ["Alfa"])
koer("Gamma", "Nej")
tjek("Nej: the group list is as saved", laes("programgrupper.txt") == ["Beta", "Gamma"])
tjek("Nej: the storage list is as saved", laes("lagergrupper.txt") == ["Alfa"])
tjek("the active group stays", laes("options.txt")[1] == "Beta")

afslut("storage")
