#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the debug test build
# (AddressSanitizer + UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset debug
cmake --build --preset debug -j "$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --preset debug -j "$jobs"
