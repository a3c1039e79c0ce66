#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and runs each for SECONDS (default 60), starting from its seed corpus.
#   tools/fuzz.sh [SECONDS] [TARGET...]
# A finding leaves its input in build-fuzz/findings/<target>/ and makes the script fail.
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_ini fuzz_history fuzz_wildcard fuzz_dates)

ensure_packages "${VELOMIR_PACKAGES[@]}" clang libclang-rt-14-dev
build="$VELOMIR_ROOT/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$VELOMIR_ROOT" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DVELOMIR_BUILD_FUZZ=ON -DVELOMIR_BUILD_TESTS=OFF >/dev/null
fi
find "$build" -path '*_autogen/timestamp' -delete 2>/dev/null || true
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" | grep -v -E '^\[[0-9]+/[0-9]+\] ' || true
[ "${PIPESTATUS[0]}" -eq 0 ] || exit 1

status=0
for target in "${targets[@]}"; do
    seeds="$VELOMIR_ROOT/tools/fuzz/corpus/$target"
    # New inputs go to a scratch corpus, so the seeds in the repository stay as committed.
    work="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$work" "$findings"
    echo "== $target for ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/tools/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=8192 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$seeds" 2>"$build/$target.log"; then
        echo "$target: finding; see $build/$target.log and $findings/"
        tail -n 40 "$build/$target.log"
        status=1
    else
        grep -E '^(stat::number_of_executed_units|Done )' "$build/$target.log" || true
    fi
done
exit $status
