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
browser=$(find "$prefix/lib" -path '*/tavlum/libtavlum_browser.so')
check "the help viewer's browser library" test -f "$browser"
if command -v desktop-file-validate >/dev/null; then
  check "the desktop entry is valid" desktop-file-validate "$prefix/share/applications/tavlum.desktop"
fi

metainfo=$(compgen -G "$prefix/share/metainfo/*.metainfo.xml")
check "the AppStream metainfo" test -f "$metainfo"
if [ -f "$metainfo" ]; then
  tag() { sed -n "s|.*<$1[^>]*>\(.*\)</$1>.*|\1|p" "$metainfo" | head -n 1; }
  check "the metainfo launches the desktop entry" test -f "$prefix/share/applications/$(tag launchable)"
  check "the metainfo's screenshot is a picture of the help set" \
    test -f "$prefix/share/tavlum/Struktur/Tavlum/Billeder/$(basename "$(tag image)")"
  if command -v appstreamcli >/dev/null; then
    # The machines that build have no network, so the addresses are not fetched.
    check "the metainfo is valid" appstreamcli validate --no-net "$metainfo"
  fi
fi

for page in man/man1 man/da/man1; do
  check "the manual page in $page" test -f "$prefix/share/$page/tavlum.1.gz"
  if command -v man >/dev/null && [ -f "$prefix/share/$page/tavlum.1.gz" ]; then
    warnings=$(LANG=C.UTF-8 man --warnings -l "$prefix/share/$page/tavlum.1.gz" 2>&1 >/dev/null)
    check "the manual page in $page renders without warnings" test -z "$warnings"
  fi
done
exit $failed
