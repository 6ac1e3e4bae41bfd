#!/usr/bin/env bash
# Installs what is missing and builds the given preset (dev by default).
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
preset=${1:-dev}
cd "$root"
bash scripts/deps.sh
# A compiler cache makes a build of the same sources in another folder (CI's
# clean checkout, a second preset) cost little more than linking.
launcher=(); command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" "${launcher[@]}" >/dev/null
cmake --build --preset "$preset"
