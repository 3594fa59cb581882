#!/usr/bin/env bash
# The demo from project to panel: generate the demo project,
# compile and package it with balsar-cli, download it with caldo-cli into
# panel-emulator (UDP on loopback, or a pseudo-terminal), then compare what
# the panel received with the compile output, the COM0 driver and the GUI
# program file.
#
#   scripts/demo-download.sh [BIN_DIR] [udp|pty] [WORK_DIR]
#
# BIN_DIR defaults to build/release/bin; WORK_DIR to a fresh temporary
# folder (removed afterwards unless given). Exit status 0 when every region
# arrived intact.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$root/build/release/bin}" && pwd)
link=${2:-udp}
if [ -n "${3:-}" ]; then
  work=$3
  keep=1
else
  work=$(mktemp -d)
  keep=0
fi
emulator_pid=
cleanup() {
  if [ -n "$emulator_pid" ]; then
    kill "$emulator_pid" 2>/dev/null || true
    wait "$emulator_pid" 2>/dev/null || true
  fi
  if [ "$keep" = 0 ]; then
    rm -rf "$work"
  fi
}
trap cleanup EXIT

fail() {
  echo "demo-download: $*" >&2
  exit 1
}

mkdir -p "$work/demo" "$work/panel"
project="$work/demo/demo.ZPJ"
"$bin/demo-generator" "$project" >/dev/null
package=$("$bin/balsar-cli" package "$project")
image="$work/demo/demo.bin~"
[ -s "$package" ] || fail "no package at $package"
[ -s "$image" ] || fail "no compile output at $image"
echo "package: $package ($(stat -c %s "$package") bytes, image $(stat -c %s "$image") bytes)"

case "$link" in
  udp) "$bin/panel-emulator" --udp 0 --out "$work/panel" >"$work/emulator.txt" 2>"$work/emulator.err" & ;;
  pty) "$bin/panel-emulator" --pty --out "$work/panel" >"$work/emulator.txt" 2>"$work/emulator.err" & ;;
  *) fail "link is udp or pty, not $link" ;;
esac
emulator_pid=$!
endpoint=
for _ in $(seq 100); do
  endpoint=$(head -n 1 "$work/emulator.txt" 2>/dev/null || true)
  [ -n "$endpoint" ] && break
  kill -0 "$emulator_pid" 2>/dev/null || fail "panel-emulator ended: $(cat "$work/emulator.err")"
  sleep 0.1
done
[ -n "$endpoint" ] || fail "panel-emulator did not name its endpoint"
read -r transport a b <<<"$endpoint"
if [ "$transport" = udp ]; then
  link_args=(--udp "$a:$b")
else
  link_args=(--serial "$a")
fi
echo "panel: $endpoint"

# The GUI program is written too, so that all three kinds of region travel.
# The GUI program and the driver in lib/ are placeholders, which the tools
# write only into a simulated panel or, as here, when explicitly allowed.
"$bin/caldo-cli" download "$package" "${link_args[@]}" --force-gui --allow-placeholder 2>"$work/caldo.err" ||
  fail "caldo-cli download failed: $(tr '\r' '\n' <"$work/caldo.err" | tail -n 5)"

# A region as the package carries it: the file from byte SKIP on, padded
# with zero bytes to a multiple of 4.
region() {
  local file=$1 skip=$2 out=$3 size pad
  tail -c +"$((skip + 1))" "$file" >"$out"
  size=$(stat -c %s "$out")
  pad=$(((4 - size % 4) % 4))
  head -c "$pad" /dev/zero >>"$out"
}

mkdir -p "$work/expected"
region "$image" 0 "$work/expected/userdata.bin"
region "$bin/lib/plc/modbus/ModbusRtuMaster_0.bin" 16 "$work/expected/driver0.bin"
region "$bin/lib/hardware/gui_128x64.bin" 16 "$work/expected/gui.bin"
for name in userdata.bin driver0.bin gui.bin; do
  [ -f "$work/panel/$name" ] || fail "the panel received no $name"
  cmp -s "$work/expected/$name" "$work/panel/$name" || fail "$name differs from what was packaged"
  echo "received $name: $(stat -c %s "$work/panel/$name") bytes, identical"
done
# COM1 is not in use: no second driver section.
if ls "$work/panel"/driver1_* >/dev/null 2>&1; then
  fail "the panel received a driver for COM1, which is not in use"
fi
echo "demo download over $link: OK"
