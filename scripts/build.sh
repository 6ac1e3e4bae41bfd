#!/usr/bin/env bash
# Installs what the given preset needs and builds it (dev by default). The
# run preset needs only the program's own packages; the others add the
# tests' and the package's, and asan adds clang.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
preset=${1:-dev}
cd "$root"
case $preset in
  run) bash scripts/deps.sh packages-run.txt ;;
  asan) bash scripts/deps.sh packages-run.txt packages.txt packages-asan.txt ;;
  *) bash scripts/deps.sh packages-run.txt packages.txt ;;
esac
[ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
