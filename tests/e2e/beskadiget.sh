#!/usr/bin/env bash
# End-to-end: a user whose every settings and list file is random bytes of 1
# to 50 MB. The real tavlum under a virtual X display must show its window
# within 5 s and under 200 MB resident, tell what it could not read in one
# message, and leave each such file as it was until the user changes what it
# holds. The second argument is 1 for a build with the sanitizers, whose
# shadow memory is no memory of the program's: the resident check is skipped.
set -u
bin=$(readlink -f "$1")
sanitizer=${2:-0}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$bin" "$sanitizer"
fi

passed=0 failed=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $what"
  else failed=$((failed + 1)); echo "FAIL: $what"; fi
}

work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

user=$(id -un)
home=$work/h
u=$home/Tavlum/Brugere/$user
mkdir -p "$u/Filer"
filer=(options.txt reopen.txt programgrupper.txt lagergrupper.txt egenskaber.txt information.txt
  urlboks.txt opentekstfil.txt Filer/Spil.txt Filer/Spiltekst.txt)
mb=(50 1 30 12 3 40 7 25 18 45)
for i in "${!filer[@]}"; do
  head -c "$((mb[i] * 1024 * 1024))" /dev/urandom >"$u/${filer[i]}"
done
# The shared help tree is damaged too; it is read only when help is asked for.
mkdir -p "$home/Tavlum/Struktur/Tavlum"
head -c $((20 * 1024 * 1024)) /dev/urandom >"$home/Tavlum/Struktur/Tavlum/struktur.txt"
summer() { (cd "$u" && md5sum "${filer[@]}"); }
foer=$(summer)

start() {
  HOME=$home QT_QPA_PLATFORM=xcb "$bin" >>"$work/log" 2>&1 &
  pid=$!
}
visible() { # name pattern: the program's visible windows of that name, now
  xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null
}
wait_window() { # name pattern, tenths of a second: the first such window
  local w
  for _ in $(seq "$2"); do
    w=$(visible "$1" | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
press() { # window id, then keys; there is no window manager, so give it the focus first
  local w=$1; shift
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
  xdotool key "$@"
}
gone() { # window id
  for _ in $(seq 50); do
    visible . | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}
wait_exit() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || { wait "$pid"; pid=; return 0; }; sleep 0.1; done
  return 1
}

t0=$(date +%s%N)
start
besked=$(wait_window '^Information$' 200)
t1=$(date +%s%N)
ms=$(((t1 - t0) / 1000000))
kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
echo "the window came after $ms ms; at most $((kb / 1024)) MB resident so far"
check "a message comes within 5 s" test -n "$besked" -a "$ms" -lt 5000
if [ "$sanitizer" = 1 ]; then
  echo "skip: the resident memory of a sanitizer build"
else
  check "under 200 MB resident" test "${kb:-999999}" -lt $((200 * 1024))
fi
check "the main window is up" test -n "$(visible '^Tavlum$')"
# One message for all the damaged files, then the one for no active group, and no more.
[ -n "$besked" ] && press "$besked" Return
check "Enter closes the first message" gone "$besked"
anden=$(wait_window '^Information$' 50)
check "a second message: no group is chosen" test -n "$anden"
[ -n "$anden" ] && press "$anden" Return
check "Enter closes it" gone "$anden"
sleep 1
check "no third message" test -z "$(visible '^Information$')"
kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
echo "at most $((kb / 1024)) MB resident in all"
main=$(visible '^Tavlum$' | head -n 1)
[ -n "$main" ] && press "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit
check "no damaged file is written over" test "$(summer)" = "$foer"

# Again, and now the user moves the panel: only options.txt is written.
start
besked=$(wait_window '^Information$' 200)
[ -n "$besked" ] && press "$besked" Return
anden=$(wait_window '^Information$' 50)
[ -n "$anden" ] && press "$anden" Return
main=$(visible '^Tavlum$' | head -n 1)
[ -n "$main" ] && xdotool windowmove "$main" 100 120
sleep 0.5
[ -n "$main" ] && press "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit
check "options.txt is the program's again" test "$(tr -cd '\n' <"$u/options.txt" | wc -c)" = 20
check "the other damaged files are as they were" \
  test "$(summer | grep -v ' options.txt$')" = "$(grep -v ' options.txt$' <<<"$foer")"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ] || tail -n 30 "$work/log"
[ "$failed" = 0 ]
