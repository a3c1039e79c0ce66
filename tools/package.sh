#!/usr/bin/env bash
# Installs what is missing, makes a release build in build-package/ and the Debian package from it
# with cpack; prints the package's path as its last line.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages "${VELOMIR_PACKAGES[@]}" "${VELOMIR_PACKAGING_PACKAGES[@]}"
dir=$VELOMIR_ROOT/build-package
# Debian's hardening flags, all of them (stack protector, fortified functions, relocations made
# read-only at start); no debug information, as the package holds the program stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
build_into "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DVELOMIR_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
rm -f "$dir"/velomir_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/velomir_*.deb
