#!/usr/bin/env bash
# Panel icons: rebuilding the panel of 1,000 elements against a bare loop over the same icon files,
# and of 1,000 elements of mixed types without icon files against a bare loop asking the MIME
# database and the icon theme; a group of 100,000 elements chosen and shown.
# File box: a folder of 101,000 entries listed, against ls -1 -F, and listed in a
# window with accessibility on (a screen reader listening), against the same
# without it; a 512 MiB file and a tree of 10,000 small files pasted, against cp -r.
# Recycle bin: 10,000 trashed items listed as the file box lists them, against a folder of
# 10,000 files listed the same way; and every info file read.
# Folder properties: a tree of 100,000 files in 5,000 folders counted, against du -sb.
# Start-up: tavlum with an active group of 1,000 elements until its main window
# is shown, side by side with a minimal Qt Widgets program; time and peak memory.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
bash "$root/scripts/build.sh" release >/dev/null
bindir=$root/build/release/bin
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# A session bus with the accessibility bus on it, and a screen reader listening.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- bash "$0" "$@"
fi
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
/usr/bin/python3 "$root/bench/skaermlaeser.py" >/dev/null 2>&1 & laeser=$!
json=${TMPDIR:-/tmp}/tavlum_bench
mkdir -p "$json"
for b in ikoner filboks kopiering mappeinfo papirkurv; do
  "$bindir/bench_$b" --benchmark_format=json --benchmark_min_time=1 2>/dev/null >"$json/$b.json"
done
kill "$laeser" 2>/dev/null || true
python3 - "$json" <<'PY'
import json, sys
def maal(navn):
    # A benchmark timed by hand is named "navn/manual_time".
    return {b["name"].split("/")[0]: b for b in json.load(open(f"{sys.argv[1]}/{navn}.json"))["benchmarks"]}
def tider(navn):
    return {n: b["real_time"] for n, b in maal(navn).items()}
def hver(navn):
    # A benchmark run with an argument is named "navn/argument/...".
    return {"/".join(b["name"].split("/")[:2]): b["real_time"] for b in json.load(open(f"{sys.argv[1]}/{navn}.json"))["benchmarks"]}
t = tider("ikoner")
print(f"panel of 1,000 elements with icon files: {t['Panel']:.1f} ms, bare loop {t['BarLoekke']:.1f} ms")
print(f"ratio panel/bare loop: {t['Panel'] / t['BarLoekke']:.2f} (goal: at most 1.5)")
print(f"panel of 1,000 elements of mixed types without icon files: {t['PanelTyper']:.1f} ms, "
      f"bare loop {t['BarLoekkeTyper']:.1f} ms")
print(f"ratio panel/bare loop, mixed types: {t['PanelTyper'] / t['BarLoekkeTyper']:.2f} (goal: at most 1.5)")
print(f"group of 100,000 elements chosen, read and shown in the panel and the group window: "
      f"{t['Kaempe']:.1f} ms (goal: at most 1000)")
t = tider("filboks")
print(f"file box, 100,000 files and 1,000 folders: list filled {t['Filboks']:.1f} ms, "
      f"first screenful painted {t['Skaermfuld']:.1f} ms (goal: 100), ls -1 -F {t['Ls']:.1f} ms")
print(f"ratio file box/ls: {t['Filboks'] / t['Ls']:.2f} (goal: at most 2)")
a = hver("filboks")
print(f"the same folder in a window: accessibility off {a['Tilgaengelighed/0']:.1f} ms, "
      f"on with a screen reader listening {a['Tilgaengelighed/1']:.1f} ms")
print(f"ratio accessibility on/off: {a['Tilgaengelighed/1'] / a['Tilgaengelighed/0']:.2f} (goal: at most 2)")
b, t = maal("kopiering"), tider("kopiering")
print(f"paste of one 512 MiB file: {t['IndsaetStor']:.0f} ms, cp -r {t['CpStor']:.0f} ms; "
      f"10,000 small files: {t['IndsaetTrae']:.0f} ms ({b['IndsaetTrae']['filer']:.0f} files), "
      f"cp -r {t['CpTrae']:.0f} ms; peak memory {b['IndsaetTrae']['peakMiB']:.0f} MiB (goal: under 100)")
print(f"ratio paste/cp: big file {t['IndsaetStor'] / t['CpStor']:.2f}, "
      f"tree {t['IndsaetTrae'] / t['CpTrae']:.2f} (goal: at most 1.2 each)")
t = tider("mappeinfo")
print(f"folder properties, 100,000 files in 5,000 folders: counted and shown {t['Mappeinfo']:.1f} ms, "
      f"du -sb {t['Du']:.1f} ms")
print(f"ratio folder count/du: {t['Mappeinfo'] / t['Du']:.2f} (goal: at most 1.5)")
t = tider("papirkurv")
print(f"recycle bin of 10,000 items listed: {t['Papirkurv']:.1f} ms, folder of 10,000 files {t['Mappe']:.1f} ms")
print(f"ratio recycle bin/folder: {t['Papirkurv'] / t['Mappe']:.2f} (goal: at most 2); "
      f"every info file read {t['PapirkurvHel']:.1f} ms")
PY
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A user whose active group holds 1,000 real files.
user=$(id -un)
u=$work/home/Tavlum/Brugere/$user
mkdir -p "$u/Filer" "$work/filer"
: >"$u/Filer/Stor.txt"; : >"$u/Filer/Stortekst.txt"
for i in $(seq -w 1000); do
  : >"$work/filer/element$i.txt"
  printf '%s\r\n' "$work/filer/element$i.txt" >>"$u/Filer/Stor.txt"
  printf 'Element %s\r\n' "$i" >>"$u/Filer/Stortekst.txt"
done
printf 'Stor\r\n' >"$u/programgrupper.txt"
printf 'Aqua Light Slate\r\nStor\r\n' >"$u/options.txt"
# One start first, so that the data set is copied and the file caches are warm for both.
HOME=$work/home "$bindir/tavlum" >/dev/null 2>&1 & p=$!; sleep 2; kill $p; wait $p 2>/dev/null || true

measure() { # name pattern, then the command; prints milliseconds and peak KiB
  local name=$1; shift
  local t0 t1 pid
  t0=$(date +%s%N)
  HOME=$work/home "$@" >/dev/null 2>>"$work/stderr" & pid=$!
  until xdotool search --all --onlyvisible --pid "$pid" --name "$name" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing its window:" >&2; cat "$work/stderr" >&2; exit 1; }
  done
  t1=$(date +%s%N)
  sleep 0.3 # let the first paint and the first activation finish before reading the peak
  local hwm
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (t1 - t0) / 1000000 )) $hwm"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: >"$work/tavlum"; : >"$work/minimal"
for _ in $(seq "$runs"); do
  measure '^Stor$' "$bindir/tavlum" >>"$work/tavlum"
  measure '^Minimal$' "$bindir/minimal_qt" >>"$work/minimal"
done
tt=$(cut -d' ' -f1 "$work/tavlum" | median); tm=$(cut -d' ' -f2 "$work/tavlum" | median)
mt=$(cut -d' ' -f1 "$work/minimal" | median); mm=$(cut -d' ' -f2 "$work/minimal" | median)
echo "start-up, median of $runs runs, 1,000 elements in the active group"
printf '  %-10s %6s ms %8s KiB peak\n' tavlum "$tt" "$tm" minimal "$mt" "$mm"
awk -v a="$tt" -v b="$mt" -v c="$tm" -v d="$mm" \
  'BEGIN {printf "ratio tavlum/minimal: time %.2f, peak memory %.2f (goal: at most 2 each)\n", a/b, c/d}'
