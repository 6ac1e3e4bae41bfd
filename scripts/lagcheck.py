#!/usr/bin/env python3
"""Fails when a source file includes a header against the layers:
app -> windows -> launcher -> common -> core -> platform, no window folder
reaching into another, the file box's logic (filebox/functions) reaching
neither its windows nor a QtWidgets or QtGui header, and the core reaching no
QtGui or QtWidgets header either.
Usage: lagcheck.py ROOT"""
import os
import re
import sys

WINDOWS = {"groupadmin", "properties", "filebox", "infoviewer", "tools", "dialogs"}
RANK = {"app": 5, "launcher": 3, "common": 2, "core": 1, "platform": 0, **{w: 4 for w in WINDOWS}}
QT = "/usr/include/x86_64-linux-gnu/qt6"

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def sources(root):
    for top in RANK:
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in files:
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(folder, name), root)


def qt_header(name, modules):
    return any(name.startswith(m + "/") or os.path.isfile(os.path.join(QT, m, name))
               for m in modules)


# The Qt modules a folder's files may not include: the logic needs no display.
def forbidden_modules(f):
    if f.startswith(("core" + os.sep, os.path.join("filebox", "functions") + os.sep)):
        return ("QtGui", "QtWidgets")
    return ()


def violations(root):
    files = sorted(sources(root))
    by_name = {}
    for f in files:
        by_name.setdefault(os.path.basename(f), f)
    found = []
    for f in files:
        top = f.split(os.sep)[0]
        with open(os.path.join(root, f), encoding="utf-8", errors="replace") as text:
            includes = INCLUDE.findall(text.read())
        for kind, name in includes:
            if kind == "<":
                if qt_header(name, forbidden_modules(f)):
                    found.append(f"{f} -> <{name}>")
                continue
            near = os.path.normpath(os.path.join(os.path.dirname(f), name))
            target = near if near in files else by_name.get(os.path.basename(name))
            if not target:
                continue
            other = target.split(os.sep)[0]
            upward = RANK[other] > RANK[top]
            sideways = top != other and top in WINDOWS and other in WINDOWS
            logic = os.path.join("filebox", "functions") + os.sep
            into_window = f.startswith(logic) and other == "filebox" and not target.startswith(logic)
            if upward or sideways or into_window:
                found.append(f"{f} -> {target}")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    found = violations(root)
    for v in found:
        print("against the layers:", v)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
