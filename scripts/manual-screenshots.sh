#!/usr/bin/env bash
# Regenerates the manual's picture of the designer (docs/manual/images/
# main-window.png) from the designer itself: the demo project opened in
# Balsar on the offscreen platform, drawn by `Balsar --screenshot`.
#
#   scripts/manual-screenshots.sh [BUILD_DIR]     (default build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}
cmake --build "$build" --target Balsar demo-generator
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen BALSAR_HOME="$PWD/$build/bin" ASAN_OPTIONS=detect_leaks=0
# Settings (recent projects, window layout) go to the scratch folder.
export XDG_CONFIG_HOME="$work/config"
"$build/bin/demo-generator" "$work/demo.ZPJ" >/dev/null
timeout 120 "$build/bin/Balsar" --screenshot docs/manual/images/main-window.png "$work/demo.ZPJ"
echo "docs/manual/images/main-window.png regenerated"
