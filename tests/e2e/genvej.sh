#!/usr/bin/env bash
# End-to-end: the global key under a virtual X display, pressed through the X
# server from outside the program, as from any other program.
set -u
bin=$(readlink -f "$1")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$bin"
fi

. "$(dirname "$(readlink -f "$0")")/Faelles.sh"

home=$work/h
user=$(id -un)
u=$home/Tavlum/Brugere/$user
mkdir -p "$u/Filer"
printf 'Alfa\r\n' >"$u/programgrupper.txt"
printf '%s\r\n' "$bin" >"$u/Filer/Alfa.txt"
printf 'Tavlum selv\r\n' >"$u/Filer/Alfatekst.txt"
printf 'Aqua Light Slate\r\nAlfa\r\n' >"$u/options.txt"

mapstate() { # window id: IsViewable or IsUnMapped
  xwininfo -id "$1" 2>/dev/null | sed -n 's/.*Map State: //p'
}
waitstate() { # window id, state
  for _ in $(seq 50); do [ "$(mapstate "$1")" = "$2" ] && return 0; sleep 0.1; done
  return 1
}

start "$home"
main=$(window '^Alfa$')
check "the main window is shown" test -n "$main"
if [ -n "$main" ]; then
  xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
  sleep 0.5
  xdotool key ctrl+alt+space
  check "the key hides the active main window" waitstate "$main" IsUnMapped
  xdotool key ctrl+alt+space
  check "the key shows it again" waitstate "$main" IsViewable
  # With Num Lock on the server reports another modifier state; the grab holds still.
  xdotool key Num_Lock
  sleep 0.3
  xdotool key ctrl+alt+space
  check "the key hides it with Num Lock on" waitstate "$main" IsUnMapped
  xdotool key ctrl+alt+space
  check "and shows it with Num Lock on" waitstate "$main" IsViewable
  xdotool key Num_Lock
fi

# A second program with the key of its own: the first keeps the key and the
# second starts all the same.
first=$pid
home2=$work/h2
u2=$home2/Tavlum/Brugere/$user
mkdir -p "$u2/Filer"
cp "$u/programgrupper.txt" "$u/options.txt" "$u2/"
cp "$u/Filer/"* "$u2/Filer/"
printf '1\r\nCtrl+Alt+Space\r\n' >"$u2/genvej.txt"
start "$home2"
second=$(window '^Alfa$')
check "a second program starts while the key is taken" test -n "$second"
[ -n "$main" ] && xdotool windowfocus --sync "$main" 2>/dev/null
sleep 0.3
xdotool key ctrl+alt+space
check "the key still goes to the first program" waitstate "$main" IsUnMapped
check "and not to the second" test "$(mapstate "$second")" = IsViewable
[ -n "$second" ] && keys "$second" ctrl+q
check "Ctrl+Q ends the second program" wait_exit
pid=$first
xdotool key ctrl+alt+space
waitstate "$main" IsViewable
[ -n "$main" ] && keys "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
