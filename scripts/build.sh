#!/usr/bin/env bash
# Installs what the given preset needs and builds it (dev by default).
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
preset=${1:-dev}
cd "$root"
bash scripts/deps.sh "$preset"
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
