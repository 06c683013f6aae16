#!/usr/bin/env bash
# Builds everything and runs every test: the layer and format checks, the portable core natively under
# sanitizers, the Windows program's tests under Wine on a private Xvfb display, and the smoke test.
set -uo pipefail
source "$(dirname "$0")/setup.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${SMOKE_PACKAGES[@]}" "${CHECK_PACKAGES[@]}"
ensure_locale
failed=()

say "layers and formatting"
python3 "$ROOT/scripts/check_layers.py" || failed+=("layer check")
"$ROOT/scripts/check_format.sh" || failed+=("format check")

say "native build and unit tests (AddressSanitizer, UBSan)"
configure "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug
build "$BUILD/native"
(cd "$BUILD/native" && ctest --output-on-failure -j"$(nproc)") || failed+=("native unit tests")

say "Windows build and window tests under Wine"
build_windows
wine_environment
ensure_prefix "$BUILD/wine-test" quiet unmanaged
trap stop_wine_and_xvfb EXIT
start_xvfb
(cd "$BUILD/win" && ctest --output-on-failure) || failed+=("Windows tests")
stop_wine_and_xvfb

# Dialog units follow the dialog font, the program's pixels the DPI: the window layouts, labels and
# scaled sizes again with the font Japanese Windows has at 96 DPI (88 here), and at 120 and 144 DPI.
for dpi in 88 120 144; do
    say "window layout and label tests at $dpi DPI"
    ensure_prefix "$BUILD/wine-test-dpi$dpi" quiet unmanaged "dpi=$dpi"
    start_xvfb
    "$ROOT/tests/win/wine-run.sh" "$BUILD/win/win_tests.exe" --gtest_filter='ToolWindowTest.*:ScreenTest.*' \
        --gtest_brief=1 ||
        failed+=("Windows layout tests at $dpi DPI")
    stop_wine_and_xvfb
done
trap - EXIT

say "smoke test: the real program used through the X server"
"$ROOT/tests/smoke/smoke.sh" || failed+=("smoke test")

if [ ${#failed[@]} -gt 0 ]; then
    printf 'FAILED: %s\n' "${failed[@]}" >&2
    exit 1
fi
echo "all tests passed"
