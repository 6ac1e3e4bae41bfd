#!/usr/bin/env bash
# The Windows zip on a new Windows account under Wine, on the X display this
# runs on: unpacked into a folder with Danish letters and a blank, started for
# the first time, a group named with Danish letters made with the keyboard and the clipboard, and
# closed. Then two starts in the plain Windows design (with a second start
# beside it, which hands over) and a dark one with its help. Usage:
# foerstestart.sh ZIP FOLDER (the Wine prefix, the screenshots and the log go there).
set -eu
zip=$(readlink -f "$1")
ud=$(readlink -m "$2")
rm -rf "$ud"
mkdir -p "$ud"
. "$(dirname "$(readlink -f "$0")")/wine.sh"
wine_i "$ud"

c=$WINEPREFIX/drive_c
mappe="$c/Programmer/Tavlum æøå"
mkdir -p "$mappe"
unzip -q "$zip" -d "$mappe"
fejl() { echo "FEJL: $*" >&2; import -window root "$ud/fejl.png" 2>/dev/null || true; exit 1; }

# Waits up to 60 s for a window of that title; prints its id.
vindue() {
  local i
  for i in $(seq 600); do
    xdotool search --name "^$1\$" 2>/dev/null | head -n1 | grep . && return 0
    sleep 0.1
  done
  return 1
}

# Starts the program; waits for its main window and the windows given.
start() {
  local t0
  t0=$(date +%s%N)
  (cd "$mappe/Tavlum" && exec wine tavlum.exe </dev/null >>"$ud/tavlum.log" 2>&1) &
  vindue Tavlum >/dev/null || fejl "no main window"
  local navn
  for navn in "$@"; do vindue "$navn" >/dev/null || fejl "no window \"$navn\""; done
  echo "started in $((($(date +%s%N) - t0) / 1000000)) ms to its windows"
  sleep 2
}

# Closes every window as Windows asks a program to on closing; waits for its end.
luk() {
  wine taskkill /im tavlum.exe >/dev/null 2>&1 || true
  local i
  for i in $(seq 300); do
    pgrep -f 'tavlum\.exe' >/dev/null || return 0
    sleep 0.1
  done
  fejl "the program did not end when closed"
}

# First run: the group window and the message that no group is named yet.
start "Administrer grupper og elementer" "Information"
import -window root "$ud/foerste-start.png"
bruger=$(ls "$c/Tavlum/Brugere")
[ -n "$bruger" ] && [ -d "$c/Tavlum/Brugere/$bruger/Filer" ] || fejl "no user folder with Filer"
xdotool windowfocus --sync "$(vindue Information)"
xdotool key Return
sleep 1
# The name field has the keyboard: a new group, its name pasted (a virtual X
# server takes no Danish keys that Wine sees).
printf 'Æbler og pærer' | xclip -selection clipboard
xdotool key ctrl+v
sleep 0.5
xdotool key Return
sleep 1
luk

b=$c/Tavlum/Brugere/$bruger
for f in options.txt programgrupper.txt; do
  [ -f "$b/$f" ] || fejl "$f was not written"
  # Every line ends with CR LF, the last one too.
  [ "$(tail -c2 "$b/$f" | od -An -c | tr -d ' ')" = '\r\n' ] || fejl "$f does not end with CR LF"
  if tr -d '\r' <"$b/$f" | cmp -s - "$b/$f"; then fejl "$f has no CR LF"; fi
  [ "$(tr -cd '\r' <"$b/$f" | wc -c)" -eq "$(tr -cd '\n' <"$b/$f" | wc -c)" ] || fejl "$f has a line end without CR"
done
# The group's name in Windows-1252: Æ is one byte, C6.
grep -q $'\xc6bler og p\xe6rer' "$b/programgrupper.txt" || fejl "the group is not written in Windows-1252"
echo "first run: $b holds $(ls "$b" | tr '\n' ' ')"

# The same start in the plain Windows design and in a dark one.
for design in Windows Carbon; do
  { printf '%s\r\n' "$design"; tail -n +2 "$b/options.txt"; } >"$ud/options.txt"
  cp "$ud/options.txt" "$b/options.txt"
  start
  import -window root "$ud/design-$design.png"
  if [ "$design" = Windows ]; then
    # A second start hands over to the first and ends by itself.
    t0=$(date +%s%N)
    (cd "$mappe/Tavlum" && timeout 30 wine tavlum.exe </dev/null >>"$ud/tavlum.log" 2>&1) ||
      fejl "a second start did not end by itself"
    echo "a second start ended after $((($(date +%s%N) - t0) / 1000000)) ms"
    [ "$(xdotool search --name '^Tavlum$' | wc -l)" -eq 1 ] || fejl "two main windows"
  else
    # The help, from the group window's keys, in the text browser of a Qt without WebEngine.
    xdotool windowfocus --sync "$(vindue Information)"
    xdotool key Return
    sleep 1
    # The group window has the keyboard again, in the group's name; its
    # "Information" button follows.
    xdotool key Tab space
    vindue "Tavlum information" >/dev/null || fejl "the Information button shows no help"
    sleep 2
    import -window root "$ud/hjaelp-$design.png"
  fi
  luk
done
echo "screenshots in $ud"
