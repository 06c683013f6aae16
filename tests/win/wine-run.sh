#!/bin/sh
# CTest runs each Windows test program through this; scripts/test.sh provides the prefix and display.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "Windows tests need the Wine prefix and display that scripts/test.sh sets up" >&2
    exit 2
fi
exec /usr/lib/wine/wine64 "$@"
