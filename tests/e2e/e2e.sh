#!/usr/bin/env bash
# End-to-end: the real tavlum under a virtual X display with HOME in a temporary
# folder, driven by its keys; checks the files it writes.
set -u
bin=$(readlink -f "$1")
if [ -z "${DISPLAY:-}" ]; then
  # Without -noreset the server resets whenever its last client leaves, and
  # refuses a program that connects meanwhile.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$bin"
fi

. "$(dirname "$(readlink -f "$0")")/Faelles.sh"

two_groups() { # home: groups Alfa (the program itself) and Beta, Alfa active; prints the user folder
  local u=$1/Tavlum/Brugere/$user
  mkdir -p "$u/Filer"
  printf 'Alfa\r\nBeta\r\n' >"$u/programgrupper.txt"
  printf '%s\r\n' "$bin" >"$u/Filer/Alfa.txt"
  printf 'Tavlum selv\r\n' >"$u/Filer/Alfatekst.txt"
  printf 'Aqua Light Slate\r\nAlfa\r\n' >"$u/options.txt"
  echo "$u"
}
mapped() { # pattern: a library the running program has loaded
  grep -qE "$1" "/proc/$pid/maps"
}
unmapped() { # pattern: the running program has loaded no such library
  [ -r "/proc/$pid/maps" ] && ! mapped "$1"
}
crlf_lines() { # file: number of CR LF-ended lines, and every line ends so
  local f=$1
  [ -f "$f" ] && [ "$(tail -c 2 "$f" | od -An -c | tr -d ' ')" = '\r\n' ] || { echo -1; return; }
  tr -cd '\n' <"$f" | wc -c
}

# 1. First start of a new user: the tree is made, the message is shown, Ctrl+Q saves.
home1=$work/h1; mkdir -p "$home1"
start "$home1"
msg=$(window '^Information$')
check "first start shows a message box" test -n "$msg"
user=$(id -un)
check "user folder and Filer made" test -d "$home1/Tavlum/Brugere/$user/Filer"
check "help set copied" test -f "$home1/Tavlum/Struktur/Tavlum/struktur.txt"
grp=$(window '^Administrer grupper og elementer$')
check "group administration window open" test -n "$grp"
[ -n "$msg" ] && keys "$msg" Return
check "Enter closes the message box" closed "$msg"
# A new group typed into "Gruppe navn" and entered with Enter.
if [ -n "$grp" ]; then
  xdotool windowfocus --sync "$grp" 2>/dev/null || xdotool windowfocus "$grp"
  xdotool mousemove --window "$grp" 390 71 click 1
  xdotool type --delay 20 "Spil"
  xdotool key Return
fi
grupper=$home1/Tavlum/Brugere/$user/programgrupper.txt
for _ in $(seq 50); do grep -q Spil "$grupper" 2>/dev/null && break; sleep 0.1; done
check "a group typed in the group window is saved" test "$(tr -d '\r' <"$grupper" 2>/dev/null)" = Spil
# The same name again, in another case: it would share the group's files.
if [ -n "$grp" ]; then
  xdotool windowfocus --sync "$grp" 2>/dev/null || xdotool windowfocus "$grp"
  xdotool mousemove --window "$grp" 390 71 click 1
  xdotool type --delay 20 "spil"
  xdotool key Return
fi
msg=$(window '^Information$')
check "a group name that is there already is refused with a message" test -n "$msg"
[ -n "$msg" ] && keys "$msg" Return
check "the group is listed once" test "$(tr -d '\r' <"$grupper" 2>/dev/null)" = Spil
# The first group made is the active one: the main window is captioned with it.
main=$(window '^Spil$')
check "main window shows the new group" test -n "$main"
[ -n "$main" ] && keys "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit
opts=$home1/Tavlum/Brugere/$user/options.txt
check "options.txt has 20 CR LF lines" test "$(crlf_lines "$opts")" = 20
check "options.txt names the first design" test "$(head -n 1 "$opts" | tr -d '\r')" = "Aqua Light Slate"
check "reopen.txt written" test "$(crlf_lines "$home1/Tavlum/Brugere/$user/reopen.txt")" = 2

# 2. Two groups, the first active: Ctrl+N then Ctrl+Q leaves the second on line 2.
u=$(two_groups "$work/h2")
start "$work/h2"
main=$(window '^Alfa$')
check "the active group is shown" test -n "$main"
heavy='libQt6WebEngine|tavlum_browser|xcbglintegrations|libGLX_mesa|swrast_dri|libLLVM'
check "a start loads neither the web engine nor OpenGL" unmapped "$heavy"
# Qt's own pictures would ask every image format plugin whether it reads them.
check "a start loads no image format plugin" unmapped 'plugins/imageformats'
[ -n "$main" ] && keys "$main" ctrl+n
check "Ctrl+N switches to the next group" test -n "$(window '^Beta$')"
[ -n "$main" ] && keys "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit
check "line 2 names the second group" test "$(sed -n 2p "$u/options.txt" | tr -d '\r')" = Beta
check "the short options file is written whole" test "$(crlf_lines "$u/options.txt")" = 20

# 3. Home and Enter start the first element: a script that leaves a marker file.
home3=$work/h3
u=$home3/Tavlum/Brugere/$user
mkdir -p "$u/Filer" "$home3/bin"
printf '#!/bin/sh\ntouch "%s"\n' "$home3/startet" >"$home3/bin/start"
chmod +x "$home3/bin/start"
printf 'Spil\r\n' >"$u/programgrupper.txt"
printf '%s\r\n' "$home3/bin/start" >"$u/Filer/Spil.txt"
printf 'Start\r\n' >"$u/Filer/Spiltekst.txt"
printf 'Aqua Light Slate\r\nSpil\r\n' >"$u/options.txt"
start "$home3"
main=$(window '^Spil$')
[ -n "$main" ] && keys "$main" Home Return
for _ in $(seq 50); do [ -e "$home3/startet" ] && break; sleep 0.1; done
check "Home and Enter start the first element" test -e "$home3/startet"
[ -n "$main" ] && keys "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit

# 4. Ctrl+M makes the menu strip across the top of the screen; Ctrl+Q there keeps it on.
u=$(two_groups "$work/h4")
start "$work/h4"
main=$(window '^Alfa$')
[ -n "$main" ] && keys "$main" ctrl+m
sleep 1
strip=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Alfa$' 2>/dev/null | head -n 1)
geo=$(xdotool getwindowgeometry "$strip" 2>/dev/null | tr -d ' ')
check "Ctrl+M docks a 48 pixel strip at the top, screen wide" \
  grep -q 'Position:0,0' <<<"$geo"
check "the strip is as wide as the screen" grep -q 'Geometry:1280x48' <<<"$geo"
[ -n "$strip" ] && keys "$strip" ctrl+q
check "Ctrl+Q ends the program" wait_exit
check "line 19 says the menu view was on" test "$(sed -n 19p "$u/options.txt" | tr -d '\r')" = 1

# 5. Ctrl+I opens the help viewer, whose browser comes with it.
u=$(two_groups "$work/h5")
start "$work/h5"
main=$(window '^Alfa$')
[ -n "$main" ] && keys "$main" ctrl+i
check "Ctrl+I opens the help viewer" test -n "$(window '^Tavlum information$')"
check "the web engine is loaded with the viewer" mapped 'libQt6WebEngineCore'
[ -n "$main" ] && keys "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit

# 6. The file box through its keys and its accessibility tree, on a session bus
# of its own with the accessibility bus started, as a screen reader has it.
here=$(dirname "$(readlink -f "$0")")
check "the file box end to end (paste target, names that are not UTF-8, special folders)" \
  dbus-run-session -- bash -c 'dbus-send --session --print-reply --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null && /usr/bin/python3 "$0" "$1" "$2"' \
  "$here/filboks.py" "$bin" "$work"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
