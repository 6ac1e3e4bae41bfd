#!/usr/bin/env bash
# Makes the Debian package build/package/tavlum_<version>_amd64.deb: installs
# what is missing, builds a release without tests and prints the package's path.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
bash scripts/deps.sh package
if [ ! -f build/package/CMakeCache.txt ]; then
  # Debian's build flags with all hardening; no debugging information, as the
  # package is stripped.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS) cmake --preset package >/dev/null
fi
cmake --build --preset package
rm -f build/package/tavlum_*.deb
cpack --preset package >/dev/null
ls "$root"/build/package/tavlum_*.deb
