#!/usr/bin/env bash
# Cross-builds the Windows backend of the platform with MinGW-w64 and runs its
# contract tests under Wine, in a Wine prefix of the build folder's own.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
bash scripts/deps.sh windows
build=$root/build/windows
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S tests/contract -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build"

# Wine links Documents and the rest to $HOME, and its recycle bin needs the
# XDG data folder: keep all of it inside the build folder.
export WINEPREFIX=$build/wineprefix WINEARCH=win64 HOME=$build/home
export XDG_DATA_HOME=$build/home/.local/share XDG_CONFIG_HOME=$build/home/.config
export XDG_CACHE_HOME=$build/home/.cache LANG=C.UTF-8
export WINEDEBUG=-all,err+module WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
unset DISPLAY
[ -d "$WINEPREFIX" ] || wineboot -i </dev/null >/dev/null 2>&1 || true
wineserver -p || true
trap 'wineserver -k 2>/dev/null || true' EXIT
ctest --test-dir "$build" --output-on-failure
