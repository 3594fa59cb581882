#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the programs and runs the main job:
# the demo project is generated, compiled into its download image, packaged and
# downloaded into the simulated panel, its screens are rendered to PNG by the
# offline simulator, and it is opened in the designer (when there is a desktop
# to show it on).
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
# The project check lists every problem the demo has (none); a finding stops here.
"$bin/balsar-cli" check examples/demo/demo.ZPJ
"$bin/balsar-cli" compile examples/demo/demo.ZPJ --strict
# The demo travels into the simulated panel over UDP on loopback.
scripts/demo-download.sh "$bin" udp
# The offline simulator shows what the panel shows: every screen as a PNG.
"$bin/VIRur" --render examples/demo/screens examples/demo/demo.bin~
echo "Demo screens rendered to PNG (one pixel per panel pixel): $(pwd)/examples/demo/screens"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  "$bin/Balsar" examples/demo/demo.ZPJ
else
  echo "No desktop (DISPLAY / WAYLAND_DISPLAY unset): the designer was not started."
  echo "Open it later with: $bin/Balsar examples/demo/demo.ZPJ"
fi
