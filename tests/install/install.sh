#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
failed=0
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi; }
check "the program" test -x "$prefix/bin/tavlum"
check "the data set's help structure" test -f "$prefix/share/tavlum/Struktur/Tavlum/struktur.txt"
check "the shortcut script keeps its execute bit" test -x "$prefix/share/tavlum/Struktur/createShortcut.sh"
check "the icon files" test -f "$prefix/share/tavlum/Ikoner/ukendt_ikon.ico"
check "the program's icon" test -f "$prefix/share/icons/hicolor/scalable/apps/tavlum.svg"
check "the desktop entry" test -f "$prefix/share/applications/tavlum.desktop"
if command -v desktop-file-validate >/dev/null; then
  check "the desktop entry is valid" desktop-file-validate "$prefix/share/applications/tavlum.desktop"
fi
exit $failed
