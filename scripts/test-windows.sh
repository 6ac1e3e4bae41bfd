#!/usr/bin/env bash
# Windows under Wine: the platform backend's contract tests (Win32 alone,
# built apart), then the whole program cross-built with MinGW-w64
# (scripts/windows.sh), its display-free tests, and its zip started on a new
# Windows account on a virtual X display. Each part has a Wine prefix of its own.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
bash scripts/deps.sh windows

# Wine links Documents and the rest to $HOME, and its recycle bin needs the
# XDG data folder: keep all of it inside the build folder.
wine_i() { # folder: a Wine of that folder's own
  export WINEPREFIX=$1/wineprefix WINEARCH=win64 HOME=$1/home
  export XDG_DATA_HOME=$1/home/.local/share XDG_CONFIG_HOME=$1/home/.config
  export XDG_CACHE_HOME=$1/home/.cache LANG=C.UTF-8
  export WINEDEBUG=-all,err+module WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
  mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
  [ -d "$WINEPREFIX" ] || wineboot -i </dev/null >/dev/null 2>&1 || true
  # One server for all the tests; it must not hold this script's output open.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  trap 'wineserver -k 2>/dev/null || true' EXIT
}

echo "== The platform's contract"
build=$root/build/windows
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S tests/contract -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build"
(
  unset DISPLAY
  wine_i "$build"
  ctest --test-dir "$build" --output-on-failure
)

echo "== The program and its display-free tests"
TAVLUM_WINDOWS_TESTS=ON bash scripts/windows.sh
gui=$root/build/windows-gui
(
  unset DISPLAY
  wine_i "$gui"
  # The tests find Qt's and MinGW's DLLs where they lie.
  qt=${TAVLUM_QT_MINGW:-$root/build/qt6-mingw}
  WINEPATH="$(winepath -w "$qt/bin");$(winepath -w /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winepath -w /usr/x86_64-w64-mingw32/lib)"
  export WINEPATH
  ctest --test-dir "$gui" --output-on-failure
)

echo "== The zip on a new account"
xvfb-run -a -s "-screen 0 1280x900x24" \
  bash tests/windows/foerstestart.sh "$gui/tavlum-windows-x86_64.zip" "$gui/foerste"
