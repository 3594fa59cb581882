#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the programs and runs the main job:
# the demo project is generated, compiled into its download image, packaged and
# downloaded into the simulated panel, and opened in the designer (when there
# is a desktop to show it on).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset release
cmake --build --preset release -j "$jobs"
bin=build/release/bin
mkdir -p examples/demo
"$bin/demo-generator" examples/demo/demo.ZPJ
"$bin/balsar-cli" info examples/demo/demo.ZPJ
"$bin/balsar-cli" compile examples/demo/demo.ZPJ
# The demo travels into the simulated panel over UDP on loopback.
scripts/demo-download.sh "$bin" udp
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  "$bin/Balsar" examples/demo/demo.ZPJ
else
  echo "No desktop (DISPLAY / WAYLAND_DISPLAY unset): the designer was not started."
  echo "Open it later with: $bin/Balsar examples/demo/demo.ZPJ"
fi
