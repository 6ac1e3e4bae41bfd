#!/usr/bin/python3
# The file box in the real program: driven by its keys, read through the
# accessibility tree and checked on the disk by the names' bytes. Runs under a
# display and a session bus (e2e.sh); arguments: the program, a work folder.
import os
import subprocess
import sys

import pyatspi

from Faelles import afslut, app, start, tjek, vent

program, arbejde = sys.argv[1], sys.argv[2]
hjem = os.path.join(arbejde, "filboks")
p = os.path.join(hjem, "p").encode()


def skriv(sti, indhold):
    os.makedirs(os.path.dirname(sti), exist_ok=True)
    with open(sti, "wb") as f:
        f.write(indhold)


# A user with one group and the menu view, the file box on the folder p, and
# a download folder as the desktop names it.
bruger = subprocess.run(["id", "-un"], capture_output=True, text=True).stdout.strip()
u = os.path.join(hjem, "Tavlum", "Brugere", bruger)
skriv(os.path.join(u, "programgrupper.txt"), b"Alfa\r\n")
skriv(os.path.join(u, "Filer", "Alfa.txt"), b"")
skriv(os.path.join(u, "Filer", "Alfatekst.txt"), b"")
linjer = ["Windows10 Clear Day", "Alfa", "420", "300", "40", "40", "400", "40", "480", "560",
          "338", "200", "400", "557", "1", "8", "2", "1", "1", hjem]
skriv(os.path.join(u, "options.txt"), "".join(l + "\r\n" for l in linjer).encode())
skriv(os.path.join(u, "opentekstfil.txt"),
      ("400\r\n508\r\n20\r\n20\r\n" + os.path.join(hjem, "p") + "\r\n").encode())
skriv(os.path.join(hjem, ".config", "user-dirs.dirs"),
      'XDG_DOWNLOAD_DIR="$HOME/Overførsler"\n'.encode())
skriv(os.path.join(hjem, "Overførsler", "hentet.txt").encode(), b"hentet")
skriv(p + b"/brev.txt", b"brev")
skriv(p + b"/X/fil.txt", b"x")
os.makedirs(p + b"/X/S")
skriv(p + b"/d\xf8r/a\xff.txt", b"indhold")
os.makedirs(p + b"/maal")

proces = start(program, hjem)


def find(rod, rolle=None, navn=None):
    return pyatspi.findDescendant(
        rod, lambda x: x is not None and (rolle is None or x.getRoleName() == rolle)
        and (navn is None or x.name == navn), True)


def vindue(navn, sekunder=15):
    """A window of the program by its title, whatever its role."""
    def blandt():
        a = app(proces)
        return next((a[i] for i in range(a.childCount) if a[i] is not None and a[i].name == navn),
                    None)
    return vent(blandt, sekunder)


def xvindue(navn):
    ud = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(proces.pid), "--name",
                         "^" + navn + "$"], capture_output=True, text=True).stdout.split()
    return ud[0] if ud else None


def synlige():
    """The program's windows on the screen, a popup menu too."""
    return subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(proces.pid),
                           "--name", ""], capture_output=True, text=True).stdout.split()


def taster(navn, *tast):
    w = vent(lambda: xvindue(navn))
    subprocess.run(["xdotool", "windowfocus", "--sync", w], stderr=subprocess.DEVNULL)
    subprocess.run(["xdotool", "key", "--delay", "60", *tast])


def tekst(felt):
    t = felt.queryText()
    return t.getText(0, t.characterCount)


def raekker():
    liste = find(filboks, navn="Filer og mapper")
    return [liste[i].name for i in range(liste.childCount) if liste[i].getRoleName() == "table cell"]


def status():
    return find(filboks, "status bar").name


def svar_ja(titel):
    """The confirmation window: its source and destination fields, answered Ja."""
    dialog = vindue(titel)
    felter = [tekst(find(dialog, navn=n)) for n in ("Kildemappe", "Destignationsmappe")]
    taster(titel, "Return")
    vent(lambda: xvindue(titel) is None)
    return felter


def klik(ting):
    """A mouse click in the middle of a control, as the user makes it."""
    x, y, b, h = ting.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + b // 2), str(y + h // 2), "click", "1"])


def bytes_i(mappe):
    return sorted(os.listdir(mappe))


try:
    # The first start joins the bus and copies the data set: it may take a while.
    strip = vindue("Alfa", 60)
    tjek("the program joins the accessibility bus", strip is not None)
    find(strip, "push button", "Filboks").queryAction().doAction(0)
    filboks = vindue("Filboksen")
    tjek("the file box lists d\ufffdr, maal, X and brev.txt",
         vent(lambda: raekker() == ["d\ufffdr", "maal", "X", "brev.txt"]))

    # Ctrl+V after entering a folder whose first node is a sub-folder.
    taster("Filboksen", "Down", "Down", "Down", "ctrl+c", "Up", "Return")
    vent(lambda: raekker() == ["S", "fil.txt"])
    taster("Filboksen", "ctrl+v")
    felter = svar_ja("Kopiering af elementer")
    tjek("the confirmation names the folder shown", felter == [os.path.join(hjem, "p"),
                                                                os.path.join(hjem, "p", "X")])
    tjek("the copy lands in the folder shown", vent(lambda: os.path.exists(p + b"/X/brev.txt")))
    tjek("not in its first sub-folder", not os.path.exists(p + b"/X/S/brev.txt"))
    tjek("the status bar counts it", vent(lambda: status() == "Der blev indsat 1 element."))

    # A folder and a file whose names are not UTF-8.
    taster("Filboksen", "BackSpace")
    vent(lambda: raekker()[0] == "d\ufffdr")
    taster("Filboksen", "Return")
    tjek("the folder that is not text is entered", vent(lambda: raekker() == ["a\ufffd.txt"]))
    taster("Filboksen", "alt+Return")
    egenskaber = vindue("Fil egenskaber")
    tjek("its file is shown in the properties",
         egenskaber is not None and tekst(find(egenskaber, navn="Filnavn")) == "a\ufffd.txt")
    if egenskaber is not None:
        find(egenskaber, "push button", "Luk").queryAction().doAction(0)
    taster("Filboksen", "ctrl+c", "BackSpace")
    vent(lambda: raekker()[0] == "d\ufffdr")
    taster("Filboksen", "Down", "Return")
    vent(lambda: raekker() == [])
    taster("Filboksen", "ctrl+v")
    svar_ja("Kopiering af elementer")
    tjek("the copy keeps every byte of the name and the content",
         vent(lambda: bytes_i(p + b"/maal") == [b"a\xff.txt"])
         and open(p + b"/maal/a\xff.txt", "rb").read() == b"indhold")

    taster("Filboksen", "BackSpace")
    vent(lambda: raekker()[0] == "d\ufffdr")
    taster("Filboksen", "Return")
    vent(lambda: raekker() == ["a\ufffd.txt"])
    taster("Filboksen", "F2", "ctrl+a", "n", "y", "period", "t", "x", "t", "Return")
    tjek("a rename in the folder that is not text keeps its bytes",
         vent(lambda: bytes_i(p + b"/d\xf8r") == [b"ny.txt"]))

    taster("Filboksen", "ctrl+x", "BackSpace")
    vent(lambda: raekker()[0] == "d\ufffdr")
    taster("Filboksen", "Down", "Return")
    vent(lambda: raekker() == ["a\ufffd.txt"])
    taster("Filboksen", "ctrl+v")
    svar_ja("Flytning af elementer")
    tjek("a move takes the file out of the folder that is not text",
         vent(lambda: bytes_i(p + b"/maal") == [b"a\xff.txt", b"ny.txt"])
         and bytes_i(p + b"/d\xf8r") == [])

    taster("Filboksen", "BackSpace")
    vent(lambda: raekker()[0] == "d\ufffdr")
    taster("Filboksen", "Delete")
    svar_ja("Sletning af elementer")
    skrald = os.path.join(hjem, ".local", "share", "Trash").encode()
    tjek("the folder goes to the trash with its name's bytes",
         vent(lambda: b"d\xf8r" in bytes_i(skrald + b"/files"))
         and not os.path.exists(p + b"/d\xf8r"))

    # The download folder of the desktop, the eleventh item of the folder menu.
    foer = len(synlige())
    klik(find(filboks, "push button", "Private og delte mapper"))
    vent(lambda: len(synlige()) > foer)
    subprocess.run(["xdotool", "key", "--delay", "60", *(["Down"] * 11), "Return"])
    tjek("\"Overførsler\" shows the download folder", vent(lambda: raekker() == ["hentet.txt"]))

    taster("Alfa", "ctrl+q")
    tjek("Ctrl+Q ends the program", vent(lambda: proces.poll() is not None))
finally:
    if proces.poll() is None:
        proces.kill()
afslut("file box")
