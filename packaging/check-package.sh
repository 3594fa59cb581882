#!/usr/bin/env bash
# Checks a built Debian package without installing it into the system: it
# is unpacked into a scratch root, its desktop entries are validated, its file
# types are looked up through that root's MIME database, the udev rule and
# the links are checked, and the installed programs are run with a clean
# environment (nothing but HOME and the offscreen platform): balsar-cli makes
# and packages a project, Balsar opens it and draws its window.
#
#   packaging/check-package.sh build/package/balsar_1.0.0_amd64.deb
set -euo pipefail
deb=${1:?usage: check-package.sh PACKAGE.deb}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
echo "== depends: $(dpkg-deb -f "$deb" Depends)"
for entry in balsar caldoloader caldotransfer; do
  desktop-file-validate "$root/usr/share/applications/$entry.desktop" || fail "$entry.desktop"
done
echo "== desktop entries valid"

update-mime-database "$root/usr/share/mime" >/dev/null
update-desktop-database "$root/usr/share/applications"
export XDG_DATA_DIRS="$root/usr/share:/usr/share"
home="$root/home"
mkdir -p "$home"
run() { env -i HOME="$home" QT_QPA_PLATFORM=offscreen XDG_DATA_DIRS="$XDG_DATA_DIRS" \
  XDG_RUNTIME_DIR="$home/run" "$@"; }
mkdir -m 700 "$home/run"

run "$root/usr/bin/balsar-cli" new plant --folder "$home" --model 1 >/dev/null
project="$home/plant/plant.ZPJ"
package=$(run "$root/usr/bin/balsar-cli" package "$project")
[ -f "$package" ] || fail "balsar-cli package"
type_of() { gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p'; }
[ "$(type_of "$project")" = application/x-balsar-project ] || fail "type of .ZPJ: $(type_of "$project")"
cp "$project" "$home/UPPER.zpj"
[ "$(type_of "$home/UPPER.zpj")" = application/x-balsar-project ] || fail "type of .zpj"
[ "$(type_of "$package")" = application/x-caldo-package ] || fail "type of .qk: $(type_of "$package")"
grep -q 'application/x-balsar-project=balsar.desktop' "$root/usr/share/applications/mimeinfo.cache" || fail "ZPJ handler"
grep -q 'application/x-caldo-package=caldoloader.desktop' "$root/usr/share/applications/mimeinfo.cache" || fail "qk handler"
echo "== file types: .ZPJ -> Balsar, .qk -> CaldoLoader"

[ -f "$root/usr/lib/udev/rules.d/70-caldo-panel.rules" ] || fail "udev rule"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/balsar.svg" ] || fail "icon"
[ -f "$root/usr/share/icons/hicolor/scalable/mimetypes/application-x-balsar-project.svg" ] || fail "file type icon"
[ -f "$root/usr/share/doc/balsar/manual/index.html" ] || fail "manual"
[ -e "$root/usr/lib/balsar/lib/plc/index.CFG" ] || fail "lib/ beside the programs"
[ -e "$root/usr/lib/balsar/OskelLoader" ] || fail "OskelLoader"
echo "== udev rule, icons, manual, lib/ and OskelLoader in place"

run "$root/usr/bin/Balsar" --help >/dev/null || fail "Balsar --help"
# Without its lib/ data the designer would stop at a message box and never
# draw: a picture within the time limit means it found everything.
run timeout 60 "$root/usr/bin/Balsar" --screenshot "$home/shot.png" "$project" 2>/dev/null ||
  fail "the installed Balsar did not start with the project"
[ -s "$home/shot.png" ] || fail "no picture"
echo "== the installed Balsar opened the project with its own lib/ data"
echo "package OK: $deb"
