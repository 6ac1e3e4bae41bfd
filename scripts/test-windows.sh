#!/usr/bin/env bash
# Windows under Wine: the platform backend's contract tests (Win32 alone,
# built apart), then the whole program cross-built with MinGW-w64
# (scripts/windows.sh), its display-free tests, and its zip started on a new
# Windows account on a virtual X display. Each part has a Wine prefix of its own.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
bash scripts/deps.sh windows

. tests/windows/wine.sh

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
