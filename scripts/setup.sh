#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) if anything is missing, then configures
# and builds a release build in build/ (with --sanitize: the sanitizer build in build-sanitize/).
# Safe to run again: it only does what is not done yet.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
config=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DWB_SANITIZE=ON -DWB_BUILD_BENCH=OFF)
  . scripts/sanitizer-env.sh
fi

packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg62-turbo-dev libfontconfig-dev
          libgtest-dev googletest fonts-liberation qt6-translations-l10n qt6-l10n-tools clang-format
          desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# scripts/package.sh needs only the packages: it builds in a folder of its own.
if [ "${1:-}" = "--packages-only" ]; then
  exit 0
fi

jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" "${config[@]}"
fi
cmake --build "$dir" -j "$jobs"
