#!/usr/bin/env bash
# Makes the Debian package, checks it with lintian, installs it with apt on
# this machine, starts the installed program with a fresh home on a virtual X
# display, and removes the package again, leaving the machine as it was.
# Needs root (CI is root).
set -u
root=$(dirname "$(dirname "$(readlink -f "$0")")")

# The installed program on the virtual display: usage test-package.sh --start HOME
if [ "${1:-}" = --start ]; then
  home=$2
  HOME=$home QT_QPA_PLATFORM=xcb /usr/bin/tavlum >"$home/log" 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null' EXIT
  window() { # title pattern: waits for the program's visible window of that title
    timeout 30 xdotool search --all --sync --onlyvisible --pid "$pid" --name "$1" 2>/dev/null |
      head -n 1
  }
  keys() { # window, keys: without a window manager the window needs the focus first
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    xdotool key "${@:2}"
  }
  main=$(window '^Tavlum$')
  [ -n "$main" ] || { echo "the main window did not show"; exit 1; }
  echo "main window" >"$home/shown"
  # A new user is told that no group is chosen; the message box holds the keys.
  msg=$(window '^Information$')
  [ -n "$msg" ] && keys "$msg" Return
  keys "$main" ctrl+i
  if [ -n "$(window '^Tavlum information$')" ]; then
    for _ in $(seq 100); do
      if grep -q '/usr/lib/.*/libtavlum_browser\.so' "/proc/$pid/maps"; then
        echo browser >>"$home/shown"
        break
      fi
      sleep 0.1
    done
  fi
  keys "$main" ctrl+q
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || { echo closed >>"$home/shown"; exit 0; }
    sleep 0.1
  done
  exit 1
fi

passed=0 failed=0
check() { # description, then a command that must succeed
  if "${@:2}"; then
    passed=$((passed + 1)); echo "ok: $1"
  else
    failed=$((failed + 1)); echo "FAIL: $1"
  fi
}
installed() { dpkg-query -W -f='${db:Status-Status}' tavlum 2>/dev/null | grep -qx installed; }
gone() { ! installed && ! compgen -G '/var/lib/dpkg/info/tavlum.*' >/dev/null; }
remove() { DEBIAN_FRONTEND=noninteractive apt-get remove -y -q tavlum >/dev/null; }
# Names outside the homes; caches that desktop triggers rebuild are not the package's.
snapshot() {
  find /usr /etc /opt -xdev -not -name icon-theme.cache -not -name mimeinfo.cache \
    -not -path /etc/ld.so.cache 2>/dev/null | sort
}

bash "$root/scripts/package.sh" || { echo "FAIL: the package was not made"; exit 1; }
deb=$(ls "$root"/build/package/tavlum_*_amd64.deb)
lintian --fail-on error "$deb" >"$root/build/package/lintian.txt" 2>&1
lint=$?
grep -v 'root privileges' "$root/build/package/lintian.txt"
echo "lintian: $(grep -c '^E:' "$root/build/package/lintian.txt") errors," \
  "$(grep -c '^W:' "$root/build/package/lintian.txt") warnings"
check "lintian finds no errors" test "$lint" -eq 0

work=$(mktemp -d)
chmod a+rx "$work" # apt reads the package as its own user
cp "$deb" "$work/"
trap 'installed && remove; rm -rf "$work"' EXIT
installed && remove
snapshot >"$work/before"

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$work/$(basename "$deb")" >"$work/apt.log" 2>&1
check "apt-get installs the package" installed
installed || tail -n 20 "$work/apt.log"
check "the program is in /usr/bin" test -x /usr/bin/tavlum
check "man shows the English manual page" \
  bash -c 'LANG=C.UTF-8 man -P cat tavlum 2>/dev/null | grep -q "launcher panel"'
check "man shows the Danish manual page" \
  bash -c 'LANG=C.UTF-8 man -L da -P cat tavlum 2>/dev/null | grep -q "startpanel"'

home=$work/home
mkdir "$home"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$(readlink -f "$0")" --start "$home"
check "the installed program shows its main window" grep -qsx "main window" "$home/shown"
check "its help viewer loads the installed browser library" grep -qsx browser "$home/shown"
check "Ctrl+Q closes it" grep -qsx closed "$home/shown"
copied() { # every file of the installed data set is in the home's base folder
  local f
  while IFS= read -r -d '' f; do
    cmp -s "$f" "$home/Tavlum/${f#/usr/share/tavlum/}" || { echo "not copied: $f"; return 1; }
  done < <(find /usr/share/tavlum -type f -print0)
}
check "the data set was copied from /usr/share/tavlum" copied

remove
check "apt-get removes the package" gone
snapshot >"$work/after"
check "nothing of it is left outside the home" diff "$work/before" "$work/after"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
