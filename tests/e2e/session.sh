#!/usr/bin/env bash
# End-to-end: one run per user, and the end of a session saves. A second start
# hands over to the first and ends at once without writing; SIGTERM, SIGHUP
# and the X server going away write options.txt and reopen.txt as Ctrl+Q does.
set -u
bin=$(readlink -f "$1")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$bin"
fi

. "$(dirname "$(readlink -f "$0")")/Faelles.sh"

# A runtime folder of the test's own, as a log-in gives one.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; cleanup' EXIT

home=$work/h
u=$home/Tavlum/Brugere/$(id -un)
# Everything but the folder that carries the later start's request to the first.
tilstand() { find "$home" "$XDG_RUNTIME_DIR" -path '*/tavlum-*.d' -prune -o -printf '%p %s %T@\n' | sort; }
beskeder_vaek() { # closes the messages of a first start
  local b
  for _ in 1 2; do
    b=$(timeout 3 xdotool search --sync --onlyvisible --pid "$pid" --name '^Information$' 2>/dev/null | head -n 1)
    [ -n "$b" ] && keys "$b" Return && closed "$b"
  done
}

# The second start.
start "$home"
main=$(window '^Tavlum$')
check "the first start shows its window" test -n "$main"
beskeder_vaek
foerste=$pid
gruppevindue=$(xdotool search --onlyvisible --pid "$pid" --name '^Programgrupper$' 2>/dev/null | head -n 1)
[ -n "$gruppevindue" ] && xdotool windowfocus --sync "$gruppevindue"
foer=$(tilstand)
t0=$(date +%s%N)
HOME=$home QT_QPA_PLATFORM=xcb "$bin" >>"$work/log" 2>&1
rc=$?
ms=$((($(date +%s%N) - t0) / 1000000))
echo "the second start ended after $ms ms"
check "the second start ends with 0" test "$rc" = 0
check "it ends within two seconds" test "$ms" -lt 2000
check "it wrote nothing" test "$(tilstand)" = "$foer"
check "the first still runs" kill -0 "$foerste"
check "one main window is shown" test "$(xdotool search --onlyvisible --name '^Tavlum$' | wc -l)" = 1
aktiv=
for _ in $(seq 30); do
  aktiv=$(xdotool getwindowfocus 2>/dev/null)
  [ "$aktiv" = "$main" ] && break
  sleep 0.1
done
check "the first's main window has the keyboard" test "$aktiv" = "$main"

# SIGTERM, here while a start's message is shown.
kill -TERM "$pid"
check "SIGTERM ends the program" wait_exit
check "options.txt is written" test "$(tr -cd '\n' <"$u/options.txt" | wc -c)" = 20
check "reopen.txt is written" test -s "$u/reopen.txt"

# SIGHUP, once the start's messages are answered.
rm -f "$u/options.txt" "$u/reopen.txt"
start "$home"
main=$(window '^Tavlum$')
beskeder_vaek
kill -HUP "$pid"
check "SIGHUP ends the program" wait_exit
check "options.txt is written" test "$(tr -cd '\n' <"$u/options.txt" | wc -c)" = 20
check "reopen.txt is written" test -s "$u/reopen.txt"

# The X server goes away under the program.
rm -f "$u/options.txt" "$u/reopen.txt"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/dpy" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/dpy" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/dpy")
start "$home"
main=$(window '^Tavlum$')
beskeder_vaek
kill "$xvfb"
wait "$xvfb" 2>/dev/null
xvfb=
check "the program ends with its display" wait_exit
check "options.txt is written" test "$(tr -cd '\n' <"$u/options.txt" | wc -c)" = 20
check "reopen.txt is written" test -s "$u/reopen.txt"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ] || tail -n 30 "$work/log"
[ "$failed" = 0 ]
