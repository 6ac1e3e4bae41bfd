#!/usr/bin/env python3
"""The layer check on small trees: what it lets through and what it stops."""
import os
import subprocess
import sys
import tempfile

SCRIPT = sys.argv[1]

CASES = [
    # (what, file, its include, passes)
    ("a window on the launcher", "groupadmin/boks.cpp", '"Grupper.h"', True),
    ("the launcher on common", "launcher/Grupper.cpp", '"Linjefil.h"', True),
    ("inside one window folder", "filebox/opentekstfil.cpp", '"Filliste.h"', True),
    ("the file box logic on QtCore", "filebox/functions/Mapper.cpp", "<QString>", True),
    ("common on the launcher", "common/Linjefil.cpp", '"Grupper.h"', False),
    ("the launcher on a window", "launcher/Grupper.cpp", '"boks.h"', False),
    ("a window on the program", "tools/url.cpp", '"Program.h"', False),
    ("one window on another", "infoviewer/information.cpp", '"boks.h"', False),
    ("the file box logic on its window", "filebox/functions/Mapper.cpp", '"Filliste.h"', False),
    ("the file box logic on QtWidgets", "filebox/functions/Mapper.cpp", "<QListWidget>", False),
    ("the file box logic on QtGui", "filebox/functions/Mapper.cpp", "<QIcon>", False),
    ("a file box window on QtGui", "filebox/visBilled.cpp", "<QImage>", True),
    ("common on the core", "common/Knapper.cpp", '"Filvagt.h"', True),
    ("the core on the platform", "core/Filvagt.cpp", '"Platform.h"', True),
    ("the core on QtCore", "core/Filvagt.cpp", "<QRect>", True),
    ("the core on common", "core/Filvagt.cpp", '"Linjefil.h"', False),
    ("the core on the launcher", "core/Filvagt.cpp", '"Grupper.h"', False),
    ("the core on QtGui", "core/Filvagt.cpp", "<QKeySequence>", False),
    ("the core on QtGui by module", "core/Filvagt.cpp", "<QtGui/QColor>", False),
    ("the core on QtWidgets", "core/Filvagt.cpp", "<QWidget>", False),
]

HEADERS = ["app/Program.h", "groupadmin/boks.h", "launcher/Grupper.h", "common/Linjefil.h",
           "filebox/Filliste.h", "core/Filvagt.h", "platform/Platform.h"]


def run(fil, include):
    with tempfile.TemporaryDirectory() as root:
        for h in HEADERS + [fil]:
            os.makedirs(os.path.join(root, os.path.dirname(h)), exist_ok=True)
            open(os.path.join(root, h), "w").close()
        with open(os.path.join(root, fil), "w") as f:
            f.write(f"#include {include}\n")
        return subprocess.run([sys.executable, SCRIPT, root], capture_output=True).returncode


failed = [what for what, fil, include, passes in CASES if (run(fil, include) == 0) != passes]
for what in failed:
    print("wrong answer:", what)
sys.exit(1 if failed else 0)
