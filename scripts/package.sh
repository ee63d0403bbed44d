#!/usr/bin/env bash
# Builds the Debian package waermebehandlung_<version>_<arch>.deb into the source tree's top
# folder: installs what the build needs (as scripts/setup.sh does, plus dpkg-dev for the
# dependencies computed from the shared libraries), builds the program alone in build-package/
# with Debian's hardening flags, and packs it with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --packages-only
if ! dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed"; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends dpkg-dev
fi

dir=build-package
# Debian's build flags: optimised, with stack protection, fortified functions and a read-only
# relocation table, and no build folder names in the binaries.
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DWB_BUILD_TESTS=OFF -DWB_BUILD_BENCH=OFF > /dev/null
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)"
(cd "$dir" && cpack -G DEB > /dev/null)
deb=$(ls "$dir"/waermebehandlung_*.deb)
cp "$deb" .
echo "$(basename "$deb")"
