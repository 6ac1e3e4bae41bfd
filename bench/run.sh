#!/usr/bin/env bash
# Panel icons: rebuilding the panel of 1,000 elements against a bare loop over the same icon files,
# and of 1,000 elements of mixed types without icon files against a bare loop asking the MIME
# database and the icon theme; a group of 100,000 elements chosen and shown.
# File box: a folder of 101,000 entries listed, against ls -1 -F, and listed in a
# window with accessibility on (a screen reader listening), against the same
# without it; a 512 MiB file and a tree of 10,000 small files pasted, against cp -r.
# Search: one key press in the search field over 1,000 elements in 20 groups, against a
# bare loop finding the same matches with QCollator and filling a QListWidget.
# Recycle bin: 10,000 trashed items listed as the file box lists them, against a folder of
# 10,000 files listed the same way; and every info file read.
# Folder properties: a tree of 100,000 files in 5,000 folders counted, against du -sb.
# Start-up: tavlum with an active group of 1,000 elements until its main window
# has painted its icons, side by side with a minimal Qt Widgets program (and, for
# reference, one with a toolbar and a text, which sets up fonts and picture
# formats as any such program must); time and peak memory. Then tavlum's help viewer, opened by Ctrl+I: first and later openings.
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
json=${TMPDIR:-/tmp}/tavlum_bench
mkdir -p "$json"
if [ "${1:-}" != start ]; then # "start": the start-up part alone
/usr/bin/python3 "$root/bench/skaermlaeser.py" >/dev/null 2>&1 & laeser=$!
for b in ikoner filboks kopiering mappeinfo papirkurv soegning; do
  "$bindir/bench_$b" --benchmark_format=json --benchmark_min_time=1 2>/dev/null >"$json/$b.json"
done
# The start-up is timed as most users start: with no screen reader listening.
kill "$laeser" 2>/dev/null || true
wait "$laeser" 2>/dev/null || true
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
t = tider("soegning")
r = {n: b["raekker"] for n, b in maal("soegning").items()}
print(f"search field, 1,000 elements in 20 groups, one key press: {t['BM_Soegefelt']:.2f} ms, "
      f"bare QCollator loop filling a QListWidget {t['BM_BarLoekke']:.2f} ms; rows per key press "
      f"{r['BM_Soegefelt']:.0f} and {r['BM_BarLoekke']:.0f}")
print(f"ratio search/bare loop: {t['BM_Soegefelt'] / t['BM_BarLoekke']:.2f} (goal: at most 1.5, and under 16 ms)")
PY
fi
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

# The meter starts each program once unmeasured (the data set is copied, the
# caches are warm, the settled pictures are taken), then both in turns, each
# timed until its window shows its settled picture; for tavlum, then Ctrl+I
# and the help viewer's page, first and five times more after closing it.
HOME=$work/home TMPDIR=$work "$bindir/vinduesmaaler" "$runs" Stor "$bindir/tavlum" \
  --hjaelp "Tavlum information" -- Minimal "$bindir/minimal_qt" \
  -- "Minimal med tekst" "$bindir/minimal_tekst" >"$work/maalt"
python3 - "$work/maalt" "$runs" <<'PY'
import statistics, sys
koersler = {}
for linje in open(sys.argv[1]):
    f = linje.split()
    k = koersler.setdefault(f[0], {"start": [], "cpu": [], "peak": [], "foerste": [], "senere": []})
    k["start"].append(float(f[2])); k["cpu"].append(float(f[4])); k["peak"].append(int(f[6]))
    if len(f) > 8:
        k["foerste"].append(float(f[8])); k["senere"] += [float(h) for h in f[9:]]
t, m, mt = koersler["tavlum"], koersler["minimal_qt"], koersler["minimal_tekst"]
med = statistics.median
print(f"start-up until the window has painted, median of {sys.argv[2]} runs, 1,000 elements in the active group")
for navn, k in (("tavlum", t), ("minimal", m), ("minimal with toolbar and text", mt)):
    print(f"  {navn:<30} {med(k['start']):6.1f} ms (processor {med(k['cpu']):5.1f} ms) "
          f"{med(k['peak']):8.0f} KiB peak ({len(k['start'])} runs)")
print(f"ratio tavlum/minimal: time {med(t['start']) / med(m['start']):.2f}, "
      f"peak memory {med(t['peak']) / med(m['peak']):.2f} (goal: at most 1.2 and 1.5)")
print(f"ratio tavlum/minimal with toolbar and text: time {med(t['start']) / med(mt['start']):.2f}, "
      f"peak memory {med(t['peak']) / med(mt['peak']):.2f}")
print(f"help viewer, Ctrl+I until the page has painted: first opening {med(t['foerste']):.0f} ms "
      f"(worst {max(t['foerste']):.0f}; goal: under 1000), later openings {med(t['senere']):.0f} ms "
      f"(worst {max(t['senere']):.0f} of {len(t['senere'])}; goal: under 100)")
PY
