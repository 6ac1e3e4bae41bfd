#!/usr/bin/env bash
# Installs what is missing and builds the given preset (dev by default).
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
preset=${1:-dev}
cd "$root"
bash scripts/deps.sh
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
