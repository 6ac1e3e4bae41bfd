#!/usr/bin/env bash
# Cross-builds Tavlum for 64-bit Windows with MinGW-w64 and packs it as
# build/windows-gui/tavlum-windows-x86_64.zip: the program, the DLLs and
# plugins it loads, Qt's Danish texts and the data set, in one folder that
# runs wherever it is unpacked. The Qt for MinGW is TAVLUM_QT_MINGW, by default
# the shared archive unpacked under build/.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
bash scripts/deps.sh windows

qt=${TAVLUM_QT_MINGW:-$root/build/qt6-mingw}
if [ ! -d "$qt/lib/cmake/Qt6" ]; then
  [ -n "${TAVLUM_QT_MINGW:-}" ] && { echo "No Qt for MinGW at $qt" >&2; exit 1; }
  # Beside the checkout, or where this project's machines keep it for any clone.
  arkiv=${TAVLUM_QT_MINGW_ARKIV:-}
  for sted in "$root/../shared" /work/shared; do
    [ -n "$arkiv" ] || [ ! -f "$sted/qt6-mingw/qt6-mingw-6.4.2-x86_64.tar.xz" ] ||
      arkiv=$sted/qt6-mingw/qt6-mingw-6.4.2-x86_64.tar.xz
  done
  [ -f "$arkiv" ] || { echo "No Qt for MinGW: set TAVLUM_QT_MINGW or TAVLUM_QT_MINGW_ARKIV" >&2; exit 1; }
  tar -xf "$arkiv" -C "$root/build"
fi

build=$root/build/windows-gui
# Configured every time: the tests may be asked for or not (TAVLUM_WINDOWS_TESTS).
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DTAVLUM_TESTS="${TAVLUM_WINDOWS_TESTS:-OFF}" >/dev/null
cmake --build "$build"

# The folder the zip holds, made anew each time.
ud=$build/Tavlum
rm -rf "$ud"
mkdir -p "$ud/plugins" "$ud/translations" "$ud/share"
cp "$build/bin/tavlum.exe" "$ud/"
for p in platforms/qwindows styles/qwindowsvistastyle imageformats/qgif imageformats/qico \
         imageformats/qjpeg imageformats/qsvg iconengines/qsvgicon; do
  mkdir -p "$ud/plugins/$(dirname $p)"
  cp "$qt/plugins/$p.dll" "$ud/plugins/$p.dll"
done
cp /usr/share/qt6/translations/qtbase_da.qm "$ud/translations/"
cp -r "$build/share/tavlum" "$ud/share/"
# Qt's folders are relative to the program's own.
printf '[Paths]\r\nPrefix=.\r\n' >"$ud/qt.conf"

# Every DLL the program and its plugins load that Windows itself does not have:
# Qt's and MinGW's run-time, followed from one to the next.
kilder=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
mapfile -t koe < <(find "$ud" -name '*.exe' -o -name '*.dll')
while [ ${#koe[@]} -gt 0 ]; do
  fil=${koe[0]}
  koe=("${koe[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$fil" | sed -n 's/^\s*DLL Name: //p'); do
    [ -f "$ud/$dll" ] && continue
    for k in "${kilder[@]}"; do
      if [ -f "$k/$dll" ]; then
        cp "$k/$dll" "$ud/"
        koe+=("$ud/$dll")
        break
      fi
    done
  done
done

# MinGW's run-time comes with its symbols: a user needs none of them.
find "$ud" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

zip=$build/tavlum-windows-x86_64.zip
rm -f "$zip"
(cd "$build" && zip -qr9 "$zip" Tavlum)
echo "$zip: $(du -h "$zip" | cut -f1)"
