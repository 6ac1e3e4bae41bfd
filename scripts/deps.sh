#!/usr/bin/env bash
# Installs the Debian packages of a list (packages.txt by default) that are
# missing; does nothing when all are there.
set -eu
here=$(dirname "$(readlink -f "$0")")
mapfile -t wanted < <(grep -v '^\s*$' "$here/${1:-packages.txt}")
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=; [ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
