#!/usr/bin/env bash
# bench.sh [FILE...] [--forms FILE...]
#
# Installs what is missing, makes a release build in build-bench/ and times the viewer's work on
# each FILE against wc -l and grep run on the same file. The files after --forms are one history
# in several encodings, the first the one the others are judged against (1.3 times its figures
# at most): they get a table of their own with each figure's ratio to the first form's.
#
# Without FILE it times histories made by tools/gen-history and kept in build/bench/ for later
# runs (made again when the generator has changed):
#   sizes  10,000, 100,000 and 1,000,000 lines of the default history (the last about 100 MB);
#   forms  one history of 1,000,000 lines with accented words on most lines (about 117 MB) as
#          ASCII (accents stripped), UTF-8 and Windows-1252.
# BENCH_SET chooses: "all" (the default, both tables), "sizes" or "forms".
# Prints the tables with their targets and writes the same to build/bench/results.json.
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

args=("$@")
if [ ${#args[@]} -eq 0 ]; then
    which=${BENCH_SET:-all}
    case $which in all | sizes | forms) ;; *) echo "BENCH_SET must be all, sizes or forms" >&2; exit 2 ;; esac
    if [ "$which" != forms ]; then
        for n in 10000 100000 1000000; do
            generated_history "$out/history-$n.txt" "$n"
            args+=("$out/history-$n.txt")
        done
    fi
    if [ "$which" != sizes ]; then
        args+=(--forms)
        for encoding in ascii utf8 cp1252; do
            f=$out/history-accented-1000000-$encoding.txt
            generated_history "$f" --accents most --encoding "$encoding" 1000000
            args+=("$f")
        done
    fi
fi

QT_QPA_PLATFORM=offscreen "$build/tools/bench/velomir_bench" --reps "${BENCH_REPS:-5}" \
    --json "$out/results.json" "${args[@]}"
