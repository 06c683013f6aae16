#!/usr/bin/env bash
# Starts the real program on a private Xvfb in the run command's environment and uses it through
# the X server: tests/smoke/smoke.py clicks, types, takes screenshots and checks the saved picture.
set -uo pipefail
source "$(dirname "$0")/../../scripts/setup.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${SMOKE_PACKAGES[@]}"
ensure_locale
build_windows nexadraw
rm -rf "$BUILD/smoke"
cmake --install "$BUILD/win" --prefix "$BUILD/smoke/installed" >/dev/null || die "cmake --install failed"
wine_environment
ensure_prefix "$BUILD/wine-smoke" quiet
trap stop_wine_and_xvfb EXIT
start_xvfb
NEXADRAW_BUILD=$BUILD timeout 180 python3 "$ROOT/tests/smoke/smoke.py"
