#!/usr/bin/env bash
# Installs the Debian packages that a purpose needs and are missing; does
# nothing when all are there. run: building and running the program; asan:
# the sanitizer and fuzz build; windows: the cross build under Wine; all:
# everything CI does; any other (dev, release, package): the tests and the
# package on top of running.
set -eu
here=$(dirname "$(readlink -f "$0")")
case ${1:-run} in
  run) lists=(packages-run.txt) ;;
  asan) lists=(packages-run.txt packages.txt packages-asan.txt) ;;
  windows) lists=(packages-windows.txt) ;;
  all) lists=(packages-run.txt packages.txt packages-asan.txt packages-windows.txt) ;;
  *) lists=(packages-run.txt packages.txt) ;;
esac
wanted=()
for list in "${lists[@]}"; do
  mapfile -t -O ${#wanted[@]} wanted < <(grep -v '^\s*$' "$here/$list")
done
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=; [ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
