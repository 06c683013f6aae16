#!/usr/bin/env bash
# Builds nexadraw.exe and starts it under Wine, in a copy of the shipped symbol library.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    echo "No X display: run it on a desktop, or headless with: xvfb-run -s '-screen 0 1280x1024x24' $0" >&2
    exit 2
fi
ensure_locale
build_windows nexadraw
wine_environment
ensure_prefix "$BUILD/wine-run"

# The library is copied once, so symbols added or deleted in the program do not touch the repository.
LIBRARY=$BUILD/library
if [ ! -f "$LIBRARY/Symbol.txt" ]; then
    mkdir -p "$LIBRARY"
    cp -r "$ROOT/library/." "$LIBRARY/"
fi
cd "$LIBRARY"
set +e
"$WINE" "$BUILD/win/nexadraw.exe"
status=$?
"$WINESERVER" -w
exit $status
