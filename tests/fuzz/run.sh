#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds (default 60),
# starting from the seed corpus. Fails if any target crashes; the crashing input is kept in
# build/fuzz/artifacts/.
set -euo pipefail
seconds="${1:-60}"
source "$(dirname "$0")/../../scripts/setup.sh"
root="$ROOT"
build="$BUILD/fuzz"
ensure_packages clang cmake make

cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)"

mkdir -p "$build/artifacts"
failed=()
for pair in catalogue_fuzz:catalogue bitmap_check_fuzz:bitmap; do
    target="${pair%%:*}"
    seeds="$root/tests/fuzz/corpus/${pair##*:}"
    # New inputs go to a working corpus in the build tree; the seeds in the repository stay as they are.
    work="$build/corpus/${pair##*:}"
    mkdir -p "$work"
    echo "== $target for ${seconds}s"
    if ! "$build/$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$target-" "$work" "$seeds" 2>"$build/$target.log"; then
        failed+=("$target")
        tail -n 40 "$build/$target.log" >&2
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$build/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    printf 'FUZZ FAILURE: %s\n' "${failed[@]}" >&2
    exit 1
fi
echo "fuzzing found nothing"
