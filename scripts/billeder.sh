#!/usr/bin/env bash
# Takes the help set's pictures: starts the built program on a virtual X display
# with a prepared HOME, opens each window and saves it as a PNG in
# data/Struktur/Tavlum/Billeder. Usage: scripts/billeder.sh [preset]
# A new picture is one more `shot` below, after the steps that open its window.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
bin=$root/build/${1:-dev}/bin/tavlum
out=$root/data/Struktur/Tavlum/Billeder
[ -x "$bin" ] || { echo "Build first: $bin is missing" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

# A neutral demonstration home: Dokumenter, Billeder and Musik with a few
# sample files, which the groups' elements are, and no folder of this machine.
work=${TMPDIR:-/tmp}/kontor
[ -e "$work" ] && { echo "$work is in the way; remove it first" >&2; exit 1; }
mkdir -p "$work"
log=$(mktemp)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work" "$log"; }
trap cleanup EXIT

user=$(id -un)
u=$work/Tavlum/Brugere/$user
mkdir -p "$u/Filer" "$work/Dokumenter/Breve" "$work/Billeder/Ferie" "$work/Musik" "$work/Spil"
for f in Dokumenter/Brev.odt Dokumenter/Budget.ods Dokumenter/Noter.txt Dokumenter/Rapport.pdf \
  Dokumenter/Opskrifter.html Dokumenter/Nyheder.url Dokumenter/Breve/Til\ banken.odt \
  Billeder/Have.jpg Billeder/Familie.png Billeder/Ferie/Strand.jpg Musik/Sommer.mp3 \
  Musik/Vinter.mp3 Musik/Spilleliste.html Spil/Kabale.sh Spil/Skak.sh Sikkerhedskopi.sh; do
  : >"$work/$f"
done
lines() { printf '%s\r\n' "$@"; }
group() { # name, then elements relative to the home; each shows its file name without extension
  local name=$1; shift
  local files=() texts=() f t
  for f in "$@"; do
    files+=("$work/$f")
    t=${f##*/}
    texts+=("${t%.*}")
  done
  lines "${files[@]}" >"$u/Filer/$name.txt"
  lines "${texts[@]}" >"$u/Filer/${name}tekst.txt"
}
group Kontor Dokumenter/Brev.odt Dokumenter/Budget.ods Dokumenter/Noter.txt \
  Dokumenter/Rapport.pdf Dokumenter/Opskrifter.html Sikkerhedskopi.sh
group Spil Spil/Kabale.sh Spil/Skak.sh
group Musik Musik/Spilleliste.html
group Internet Dokumenter/Nyheder.url
lines Kontor Spil Musik Internet >"$u/programgrupper.txt"
# The file box opens on the documents.
lines 400 508 40 80 "$work/Dokumenter" >"$u/opentekstfil.txt"
options() { # menu view 0 or 1, then the design
  lines "${2:-Windows10 Clear Day}" Kontor 420 300 40 40 400 40 480 560 338 200 400 557 1 8 2 1 "$1" \
    "$work/Dokumenter" >"$u/options.txt"
}
start() {
  HOME=$work QT_QPA_PLATFORM=xcb "$bin" >>"$log" 2>&1 &
  pid=$!
}
stop() {
  keys "$1" ctrl+q
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  pid=
}

window() { # title pattern: the program's visible window with that title
  timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1
}
keys() { # window, keys: without a window manager the window needs the focus first
  local w=$1; shift
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
  xdotool key "$@"
}
click() { # window, x, y inside it
  xdotool mousemove --window "$1" "$2" "$3" click 1
}
settle() { sleep "${1:-0.7}"; }
shot() { # window, picture name; also given to the running program's help set
  xdotool windowraise "$1"
  settle
  import -window "$1" "$out/$2.png"
  cp "$out/$2.png" "$work/Tavlum/Struktur/Tavlum/Billeder/"
  echo "$out/$2.png"
}
away() { # moves a finished window off the screen, so it hides no other
  xdotool windowmove "$1" 1400 0
}

options 0
start
main=$(window '^Kontor$')
shot "$main" hovedvindue

# The group window's four pages.
keys "$main" ctrl+g
boks=$(window '^Administrer grupper og elementer$')
xdotool windowmove "$boks" 40 380
shot "$boks" grupper
for page in indfoer_element rediger_element administrer_grupper; do
  keys "$boks" ctrl+Tab
  shot "$boks" "$page"
done
away "$boks"

# The help viewer with its tree unfolded, a few pages visited, and the URL box.
keys "$main" ctrl+i
info=$(window '^Tavlum information$')
xdotool windowmove "$info" 20 20
settle 2
click "$info" 24 14 # Expand
for page in Grupper.html Menuvisning.html Tavlum.html; do
  click "$info" 480 14 # the address field
  keys "$info" ctrl+a
  xdotool type "$page"
  xdotool key Return
  settle 1.5
done
shot "$info" information
click "$info" 744 14 # Åben urllisten
url=$(window '^Urlboks$')
xdotool windowmove "$url" 820 40
shot "$url" urlboks
away "$url"
away "$info"

# The properties window.
keys "$main" ctrl+e
egenskaber=$(window '^Egenskaber$')
xdotool windowmove "$egenskaber" 40 380
shot "$egenskaber" egenskaber
away "$egenskaber"

stop "$main"

# The menu view, and the applets window from its "Applets" button.
options 1
start
strip=$(window '^Kontor$')
shot "$strip" menuvisning
click "$strip" 96 24
applets=$(window '^Window applets$')
shot "$applets" window_applets
away "$applets"
click "$strip" 160 24
filboks=$(window '^Filboksen$')
shot "$filboks" filboksen
stop "$strip"

# The main window in every design, in both views.
for design in "Windows" "Aqua Light Slate" "Auric" "Carbon" "Glossy" "Iceberg Classico" "Jet" \
  "Sky" "Windows10 Clear Day"; do
  navn=design_$(tr 'A-Z ' 'a-z_' <<<"$design")
  options 0 "$design"
  start
  main=$(window '^Kontor$')
  shot "$main" "$navn"
  keys "$main" ctrl+m
  settle 1
  shot "$main" "${navn}_menu"
  stop "$main"
done
