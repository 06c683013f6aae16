#!/usr/bin/env bash
# Starts the real program, unpacked from the zip a Windows user gets, on a private Xvfb in the run
# command's environment and uses it through the X server: tests/smoke/smoke.py clicks, types, takes
# screenshots and checks the saved picture.
set -uo pipefail
source "$(dirname "$0")/../../scripts/setup.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${SMOKE_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
ensure_locale
zip=$("$ROOT/scripts/package.sh" | tail -n 1) || die "scripts/package.sh failed"
rm -rf "$BUILD/smoke"
mkdir -p "$BUILD/smoke"
unzip -q "$zip" -d "$BUILD/smoke/unpacked" || die "the package does not unpack"
folder=$(find "$BUILD/smoke/unpacked" -mindepth 1 -maxdepth 1 -type d)
for file in nexadraw.exe Symbol.txt Symbol README.txt; do
    [ -e "$folder/$file" ] || die "the package has no $file"
done
wine_environment
ensure_prefix "$BUILD/wine-smoke" quiet
trap stop_wine_and_xvfb EXIT
start_xvfb
NEXADRAW_BUILD=$BUILD NEXADRAW_FOLDER=$folder timeout 180 python3 "$ROOT/tests/smoke/smoke.py"
