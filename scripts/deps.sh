#!/usr/bin/env bash
# Installs the Debian packages of the given lists (packages-run.txt by
# default) that are missing; does nothing when all are there.
set -eu
here=$(dirname "$(readlink -f "$0")")
[ $# -gt 0 ] || set -- packages-run.txt
wanted=()
for list in "$@"; do
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
