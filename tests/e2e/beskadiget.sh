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

. "$(dirname "$(readlink -f "$0")")/Faelles.sh"

home=$work/h
u=$home/Tavlum/Brugere/$(id -un)
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
beskeder() { xdotool search --all --onlyvisible --pid "$pid" --name '^Information$' 2>/dev/null; }
resident() { awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null; }

t0=$(date +%s%N)
start "$home"
besked=$(window '^Information$')
ms=$((($(date +%s%N) - t0) / 1000000))
kb=$(resident)
echo "the window came after $ms ms; at most $((${kb:-0} / 1024)) MB resident so far"
check "a message comes within 5 s" test -n "$besked" -a "$ms" -lt 5000
if [ "$sanitizer" = 1 ]; then
  echo "skip: the resident memory of a sanitizer build"
else
  check "under 200 MB resident" test "${kb:-999999}" -lt $((200 * 1024))
fi
check "the main window is up" test -n "$(window '^Tavlum$')"
# One message for all the damaged files, then the one for no active group, and no more.
[ -n "$besked" ] && keys "$besked" Return
check "Enter closes the first message" closed "$besked"
anden=$(window '^Information$')
check "a second message: no group is chosen" test -n "$anden"
[ -n "$anden" ] && keys "$anden" Return
check "Enter closes it" closed "$anden"
sleep 1
check "no third message" test -z "$(beskeder)"
kb=$(resident)
echo "at most $((${kb:-0} / 1024)) MB resident in all"
main=$(window '^Tavlum$')
[ -n "$main" ] && keys "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit
check "no damaged file is written over" test "$(summer)" = "$foer"

# Again, and now the user moves the panel: only options.txt is written.
start "$home"
for _ in 1 2; do
  besked=$(window '^Information$')
  [ -n "$besked" ] && keys "$besked" Return && closed "$besked"
done
main=$(window '^Tavlum$')
[ -n "$main" ] && xdotool windowmove "$main" 100 120
[ -n "$main" ] && keys "$main" ctrl+q
check "Ctrl+Q ends the program" wait_exit
check "options.txt is the program's again" test "$(tr -cd '\n' <"$u/options.txt" | wc -c)" = 20
check "the other damaged files are as they were" \
  test "$(summer | grep -v ' options.txt$')" = "$(grep -v ' options.txt$' <<<"$foer")"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ] || tail -n 30 "$work/log"
[ "$failed" = 0 ]
