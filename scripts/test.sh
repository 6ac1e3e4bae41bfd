#!/usr/bin/env bash
# Builds and runs every test of the given preset (dev by default).
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
preset=${1:-dev}
bash "$root/scripts/build.sh" "$preset"
cd "$root"
ctest --preset "$preset" -j2
