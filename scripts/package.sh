#!/usr/bin/env bash
# Builds the program and writes dist/nexadraw-<version>-win64.zip for Windows users: nexadraw.exe
# (optimised, stripped of its debugging information), the default symbol library and a read-me,
# in one folder. The version is the CMake project's.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build_windows nexadraw
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/win/CMakeCache.txt")
[ -n "$version" ] || die "no project version in $BUILD/win/CMakeCache.txt"
name="nexadraw-$version"
stage="$BUILD/package"
rm -rf "$stage"
cmake --install "$BUILD/win" --prefix "$stage/$name" --strip >/dev/null || die "cmake --install failed"
# UTF-8 with a byte order mark and CRLF line ends, as Notepad reads it on any Windows 10/11.
printf '\xEF\xBB\xBF' >"$stage/$name/README.txt"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$ROOT/packaging/README.txt" >>"$stage/$name/README.txt"
mkdir -p "$ROOT/dist"
zip="$ROOT/dist/$name-win64.zip"
rm -f "$zip"
(cd "$stage" && zip -q -r -X "$zip" "$name") || die "zip failed"
echo "$zip"
