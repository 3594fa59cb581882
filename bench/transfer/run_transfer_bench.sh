#!/usr/bin/env bash
# Builds the Release preset's transfer benchmark and the panel emulator, then
# downloads a 100 KB user-data region over UDP loopback and a pseudo-terminal.
# Targets: tool_ms_per_block under 0.2 on UDP, run_ms under 1000 on both links;
# wire_percent at least 95 on the pseudo-terminal paced at 115200 baud;
# ratio_to_one at most 1.5 for 16 UDP panels at once.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset release >/dev/null
cmake --build build/release -j2 --target bench_transfer panel-emulator
exec build/release/bin/bench_transfer "$@"
