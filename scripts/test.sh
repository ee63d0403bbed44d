#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless (no display needed).
# With --sanitize: the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (in build-sanitize/); any report fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  . scripts/sanitizer-env.sh
fi
scripts/setup.sh "$@"
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
