#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the programs need.
# Idempotent: packages already present are not touched, and the package
# lists are refreshed at most once per run, only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libpugixml-dev nlohmann-json3-dev
  libfontconfig-dev libfreetype-dev fonts-wqy-zenhei fonts-dejavu-core fonts-liberation2
  libicu-dev
  libusb-1.0-0-dev
  libmodbus-dev
  umockdev libumockdev-dev gir1.2-umockdev-1.0
  cmark-gfm desktop-file-utils shared-mime-info dpkg-dev file
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
