#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine on a private Xvfb: paint, drag, export, start-up and
# the cost of placed symbols. "quick" runs each measurement once, for a fast look; "startup" runs
# only the start-up table, "paint" only the paint and drag tables.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
ensure_locale
# The start-up table starts the real program, so it is built too.
build_windows nexadraw_bench nexadraw
wine_environment
ensure_prefix "$BUILD/wine-test" quiet unmanaged
trap stop_wine_and_xvfb EXIT
start_xvfb
"$WINE" "$BUILD/win/nexadraw_bench.exe" "$@"
