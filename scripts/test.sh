#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
