#!/usr/bin/env bash
# bench.sh [FILE...]
#
# Installs what is missing, makes a release build in build-bench/ and times the viewer's work on
# each FILE against wc -l and grep run on the same file. Without FILE it times three histories
# made by tools/gen-history (10,000, 100,000 and 1,000,000 lines; the last about 100 MB), kept in
# build/bench/ for later runs. Prints one table and writes the same to build/bench/results.json.
# BENCH_REPS sets the runs per figure (default 5; each figure is their median).
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages "${VELOMIR_PACKAGES[@]}" grep coreutils gawk

build=$VELOMIR_ROOT/build-bench
out=$VELOMIR_ROOT/build/bench
mkdir -p "$out"
cmake -S "$VELOMIR_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELOMIR_BUILD_TESTS=OFF \
      -DVELOMIR_BUILD_BENCH=ON >/dev/null
build_into "$build"

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    for n in 10000 100000 1000000; do
        f=$out/history-$n.txt
        # Made again when the generator has changed since.
        if [ ! -s "$f" ] || [ "$VELOMIR_ROOT/tools/gen-history" -nt "$f" ]; then
            echo "Generating $f"
            "$VELOMIR_ROOT/tools/gen-history" "$n" > "$f.tmp" && mv "$f.tmp" "$f"
        fi
        files+=("$f")
    done
fi

QT_QPA_PLATFORM=offscreen "$build/tools/bench/velomir_bench" --reps "${BENCH_REPS:-5}" \
    --json "$out/results.json" "${files[@]}"
