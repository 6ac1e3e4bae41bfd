#!/usr/bin/env bash
# Builds the program alone, optimised (the run preset), and starts it. Without
# a display it runs on a virtual X display, saves a screenshot and prints its path.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
bash "$root/scripts/build.sh" run
bin=$root/build/run/bin/tavlum
if [ -n "${DISPLAY:-}" ]; then
  exec "$bin"
fi
shot=$root/build/screenshot.png
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & pid=$!
  timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" --name . >/dev/null
  sleep 1
  import -window root "$2"
  kill "$pid"
' _ "$bin" "$shot" 2>/dev/null
echo "$shot"
