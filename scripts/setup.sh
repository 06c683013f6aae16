# Shared set-up for run.sh and test.sh: packages, the Japanese locale, Wine prefixes, a display.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${NEXADRAW_BUILD:-$ROOT/build}
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

say() { printf '== %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Installs the Debian packages that are missing.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || die "need root (or sudo) to install: ${missing[*]}"
        sudo=sudo
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q >/dev/null || die "apt-get update failed"
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null || die "could not install ${missing[*]}"
}

BUILD_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64 googletest)
WINE_PACKAGES=(wine64 xvfb x11-utils fonts-ipafont-gothic locales)
SMOKE_PACKAGES=(xdotool x11-apps python3)
PACKAGE_PACKAGES=(zip unzip)
CHECK_PACKAGES=(clang-format git python3)

# Without the glibc locale ja_JP.UTF-8, Wine silently falls back to code page 1252.
ensure_locale() {
    if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        return 0
    fi
    if [ "$(id -u)" -eq 0 ]; then
        say "generating the locale ja_JP.UTF-8"
        sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
        locale-gen >/dev/null
    else
        mkdir -p "$BUILD/locale"
        [ -d "$BUILD/locale/ja_JP.UTF-8" ] || localedef -i ja_JP -f UTF-8 "$BUILD/locale/ja_JP.UTF-8"
        export LOCPATH=$BUILD/locale
    fi
}

wine_environment() {
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
}

# Creates a Wine prefix once, under the final locale (the message font is chosen then).
# "quiet" (every test): a crashing program exits at once instead of waiting on a crash dialog.
# "unmanaged" (the in-process tests): windows are unmanaged; without a window manager Wine otherwise
# waits two seconds on every hide. The smoke test keeps managed windows: it uses the keyboard, and
# unmanaged windows get no keyboard focus from the X server.
# "dpi=N": the screen's DPI, which scales the dialog fonts as Windows scales them (88 gives the
# 8-pt dialog font the 11-pixel cell that MS UI Gothic has on Japanese Windows at 96 DPI).
ensure_prefix() {
    local prefix=$1
    shift
    local kinds=" $* "
    export WINEPREFIX=$prefix
    local ready="$prefix/.nexadraw-ready-3${kinds// /-}"
    [ -f "$ready" ] && return 0
    say "creating the Wine prefix $prefix (takes a few seconds)"
    rm -rf "$prefix"
    mkdir -p "$prefix"
    "$WINE" wineboot -i >/dev/null 2>&1
    "$WINESERVER" -w
    if [[ $kinds == *" quiet "* ]]; then
        "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    fi
    if [[ $kinds == *" unmanaged "* ]]; then
        "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    fi
    if [[ $kinds =~ \ dpi=([0-9]+)\  ]]; then
        "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${BASH_REMATCH[1]}" /f >/dev/null 2>&1
    fi
    "$WINESERVER" -w
    touch "$ready"
}

# Starts a private Xvfb at 24-bit depth (lower depths lose colour bits) and exports DISPLAY.
XVFB_PID=""
start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || die "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=:$number
}

stop_wine_and_xvfb() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    fi
    return 0
}

configure() {
    local dir=$1
    shift
    mkdir -p "$dir"
    cmake -S "$ROOT" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; die "cmake configure failed in $dir"; }
}

# Builds the given targets, or everything when none is given.
build() {
    local dir=$1
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" -j"$(nproc)" "${targets[@]}" || die "build failed in $dir"
}

# The Windows build of the given targets (default: everything, tests included).
build_windows() {
    configure "$BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    build "$BUILD/win" "$@"
}
