#!/usr/bin/env bash
# Regenerates the manual's picture of the designer (docs/manual/images/
# main-window.png) from the designer itself, drawn on the offscreen platform
# with the demo project: the main-window screenshot test writes it.
#
#   scripts/manual-screenshots.sh [BUILD_DIR]     (default build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}
cmake --build "$build" --target test_app
QT_QPA_PLATFORM=offscreen BALSAR_HOME="$build/bin" ASAN_OPTIONS=detect_leaks=0 \
  "$build/bin/test_app" --gtest_filter='Window.ScreenshotWithTheDemoProject' >/dev/null
cp "$build/screenshots/main-window.png" docs/manual/images/main-window.png
echo "docs/manual/images/main-window.png regenerated"
