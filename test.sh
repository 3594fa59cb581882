#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and passes every test twice: in the debug
# build with AddressSanitizer + UndefinedBehaviorSanitizer, and in the
# optimised (Release) build, where faults that only show with optimisation
# (reused addresses, uninitialised values) come out.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen
# ccache, when installed, keeps rebuilds short; the build does not need it.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
for preset in debug optimised; do
  cmake --preset "$preset" "${launcher[@]}"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
