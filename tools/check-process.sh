#!/usr/bin/env bash
# check-process.sh [FILE...]
#
# Whole-process checks of the viewer, on the release build in build-bench/ (made as bench.sh
# makes it). Prints one Markdown table, each check "held" or "failed" with its figures. It is a
# measuring tool: a missed bound is reported, not an error. The exit status is 0 when every check
# ran, whatever it found, and 1 when the script itself failed (build, generation, a missing tool).
#
# forms   The history of 1,000,000 lines with accented words on most lines (tools/gen-history
#         --accents most) as ASCII, UTF-8 and Windows-1252, kept in build/bench/; or the FILEs
#         named. On each, with the file warm in the page cache, the median of CHECK_REPS runs
#         (default 5) of
#           velomir --releases FILE       at most 6 times  wc -l FILE
#           velomir --find crash FILE     at most 2.5 times  LC_ALL=C grep -c -i -F crash FILE
#         and the peak resident size of --releases (its VmHWM, through /usr/bin/time): at most
#         1.5 times the file + 40 MB.
# absurd  Files a new user might try, made in build/bench/: one line of 300 MB without a release
#         header, 200 MB of empty lines (CR LF), and one 20 MB line under a release header.
#           Every report on each (--releases, --changes, --find crash, --weekdays): ended within
#           15 s, peak at most twice the file + 64 MB, and done (status 0) or refused with a
#           message (another status and a message on standard error); a run is stopped after
#           CHECK_KILL_S seconds (default 60). --changes writes the long line whole, so it shows
#           whether a report writes as it goes or gathers its output first.
#           The window: the offscreen viewer on each file, "All" chosen in lvVersionsList once
#           the history is shown: alive and answering within 5 s. It has CHECK_APPEAR_S seconds
#           (default 60) to show the history first.
# CHECK_SET chooses: "all" (the default), "forms" or "absurd".
# The names of checks are Markdown: their backquotes are not meant for the shell.
# shellcheck disable=SC2016
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages "${VELOMIR_PACKAGES[@]}" grep coreutils gawk time

build=$VELOMIR_ROOT/build-bench
out=$VELOMIR_ROOT/build/bench
reps=${CHECK_REPS:-5}
killAfter=${CHECK_KILL_S:-60}
appearLimit=${CHECK_APPEAR_S:-60}
which=${CHECK_SET:-all}
case $which in all | forms | absurd) ;; *) echo "CHECK_SET must be all, forms or absurd" >&2; exit 1 ;; esac
[[ $reps =~ ^[1-9][0-9]*$ ]] || { echo "CHECK_REPS must be a positive number" >&2; exit 1; }

mkdir -p "$out"
cmake -S "$VELOMIR_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELOMIR_BUILD_TESTS=OFF \
      -DVELOMIR_BUILD_BENCH=ON >/dev/null
build_into "$build"
velomir=$build/velomir
bench=$build/tools/bench/velomir_bench
if [ ! -x "$velomir" ] || [ ! -x "$bench" ]; then
    echo "no velomir or velomir_bench in $build" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Settings of their own: the reports only read them, and defaults are what is checked.
ini=$work/velomir.ini

# made FILE FIRST BODY BYTES LAST: FIRST, then BYTES bytes of BODY ("text": words and blanks,
# "crlf": empty lines), then LAST (printf formats); made once.
made() {
    local f=$1 first=$2 body=$3 bytes=$4 last=$5
    [ -s "$f" ] && return 0
    echo "Making $f" >&2
    {
        # shellcheck disable=SC2059
        printf "$first"
        if [ "$body" = crlf ]; then
            head -c "$bytes" < <(yes $'\r')
        else
            head -c "$bytes" < <(yes 'lorem ipsum crash toolbar' | tr '\n' ' ')
        fi
        # shellcheck disable=SC2059
        printf "$last"
    } > "$f.tmp" && mv "$f.tmp" "$f"
}

now_us() { echo "${EPOCHREALTIME/./}"; }

# timed_ms CMD...: runs CMD, prints its wall time in ms; status 1 when it failed (grep finding
# nothing counts as done) or overran the limit. The output goes to a file, not to /dev/null:
# grep, seeing /dev/null, stops at the first match.
timed_ms() {
    local start end status=0
    start=$(now_us)
    timeout -k 5 "$killAfter" "$@" >"$work/stdout" 2>"$work/stderr" || status=$?
    end=$(now_us)
    awk -v us=$((end - start)) 'BEGIN { printf "%.1f\n", us / 1000 }'
    [ "$status" -le 1 ]
}

# median NUMBER...: the middle one (the upper middle for an even count).
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int(NR / 2) + 1] }'; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0 && a >= 0) printf "%.2f", a / b; else print "-" }'; }
at_most() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a != "-" && a <= b) }'; }
mb() { awk -v b="$1" 'BEGIN { printf "%.0f", b / 1048576 }'; }
verdict() { if "$@"; then echo held; else echo failed; fi; }
# A cell of the table: one line, no "|", at most 160 characters.
cell() { tr '\r\n|' '  /' <<<"$1" | sed 's/ *$//' | cut -c1-160; }

rows=()
row() { rows+=("| $1 | $2 | $3 | $4 | $5 | $(cell "${6:-}") |"); }

# peak_run LIMIT CMD...: one run under /usr/bin/time; sets peak_kb, run_s, run_status, run_err.
peak_run() {
    local limit=$1; shift
    run_status=0
    /usr/bin/time -f '%M %e' -o "$work/time" timeout -k 5 "$limit" "$@" >/dev/null 2>"$work/stderr" ||
        run_status=$?
    peak_kb=0 run_s=-
    read -r peak_kb run_s < <(tail -n 1 "$work/time") || true
    run_err=$(grep -v -E '^(QStandardPaths|This plugin)' "$work/stderr" | head -n 3 || true)
}

check_form() {
    local f=$1 name bytes wc=() rel=() grep=() find=() i failures=0
    name="$(basename "$f")"
    bytes=$(stat -c %s "$f")
    echo "Checking $name: $reps runs of each" >&2
    cat "$f" >/dev/null # warm in the page cache
    for ((i = 0; i < reps; ++i)); do
        wc+=("$(timed_ms wc -l "$f")") || failures=1
        rel+=("$(timed_ms "$velomir" --ini "$ini" --releases "$f")") || failures=1
        grep+=("$(timed_ms env LC_ALL=C grep -c -i -F crash "$f")") || failures=1
        find+=("$(timed_ms "$velomir" --ini "$ini" --find crash "$f")") || failures=1
    done
    local wcMs relMs grepMs findMs r
    wcMs=$(median "${wc[@]}"); relMs=$(median "${rel[@]}")
    grepMs=$(median "${grep[@]}"); findMs=$(median "${find[@]}")
    local note=""
    [ $failures -eq 0 ] || note="a run failed or overran ${killAfter} s: $(cat "$work/stderr")"
    r=$(ratio "$relMs" "$wcMs")
    row '`--releases` / `wc -l`' "$name" "${r}x ($relMs / $wcMs ms)" "6x" \
        "$(verdict at_most "$r" 6)" "$note"
    r=$(ratio "$findMs" "$grepMs")
    row '`--find crash` / `grep -c -i -F crash`' "$name" "${r}x ($findMs / $grepMs ms)" "2.5x" \
        "$(verdict at_most "$r" 2.5)" "$note"
    peak_run "$killAfter" "$velomir" --ini "$ini" --releases "$f"
    local bound=$((bytes * 3 / 2 + 40 * 1048576))
    row 'peak resident of `--releases`' "$name ($(mb "$bytes") MB)" "$(mb $((peak_kb * 1024))) MB" \
        "$(mb $bound) MB" "$(verdict at_most $((peak_kb * 1024)) $bound)" \
        "$([ "$run_status" -eq 0 ] || echo "status $run_status: $run_err")"
}

# How a report run on an absurd file ended, in words, with its status and what it said on
# standard error.
outcome() {
    local said=""
    [ -z "$run_err" ] || said="; stderr: $run_err"
    if [ "$run_status" -eq 124 ] || [ "$run_status" -eq 137 ]; then
        echo "stopped after ${killAfter} s (status $run_status)$said"
    elif [ "$run_status" -gt 128 ]; then
        echo "killed by signal $((run_status - 128)) (status $run_status)$said"
    elif [ "$run_status" -eq 0 ]; then
        echo "done (status 0)$said"
    elif [ -n "$run_err" ]; then
        echo "refused (status $run_status)$said"
    else
        echo "status $run_status without a message"
    fi
}

check_absurd_report() {
    local f=$1 what=$2; shift 2
    local bytes bound how ok
    bytes=$(stat -c %s "$f")
    bound=$((bytes * 2 + 64 * 1048576))
    echo "Checking $what on $(basename "$f")" >&2
    cat "$f" >/dev/null
    peak_run "$killAfter" "$@" "$f"
    how=$(outcome)
    ok=false
    if { [ "$run_status" -eq 0 ] || { [ "$run_status" -lt 124 ] && [ -n "$run_err" ]; }; } &&
        at_most "$run_s" 15 && at_most $((peak_kb * 1024)) "$bound"; then
        ok=true
    fi
    row "$what" "$(basename "$f") ($(mb "$bytes") MB)" "${run_s} s, $(mb $((peak_kb * 1024))) MB" \
        "15 s, $(mb "$bound") MB" "$(verdict $ok)" "$how"
}

check_absurd_windows() {
    local f held appeared answered note
    # velomir_bench stops a child that overruns; the timeout here only guards against itself.
    while IFS=$'\t' read -r f held appeared answered note; do
        local measured
        measured="history shown after $(awk -v ms="$appeared" 'BEGIN { print ms < 0 ? "-" : sprintf("%.1f s", ms / 1000) }')"
        [ "$answered" = -1 ] || measured+=", answered $(awk -v ms="$answered" 'BEGIN { printf "%.2f s", ms / 1000 }') after \"All\""
        row 'window: "All" chosen' "$(basename "$f")" "$measured" "5 s" "$held" "$note"
    done < <(QT_QPA_PLATFORM=offscreen timeout -k 5 $(((appearLimit + 60) * $#)) \
                 "$bench" --check-window "$appearLimit" 5 "$@" 2>/dev/null || true)
}

if [ "$which" != absurd ]; then
    forms=("$@")
    if [ ${#forms[@]} -eq 0 ]; then
        for encoding in ascii utf8 cp1252; do
            f=$out/history-accented-1000000-$encoding.txt
            generated_history "$f" --accents most --encoding "$encoding" 1000000
            forms+=("$f")
        done
    fi
    for f in "${forms[@]}"; do
        [ -f "$f" ] || { echo "$f: not a file" >&2; exit 1; }
        check_form "$f"
    done
fi

if [ "$which" != forms ]; then
    line300=$out/absurd-one-line-300mb.txt
    empty200=$out/absurd-empty-lines-200mb.txt
    line20=$out/absurd-20mb-line-under-header.txt
    made "$line300" '' text $((300 * 1048576)) ''
    made "$empty200" '' crlf $((200 * 1048576)) ''
    made "$line20" 'Release Total Commander 1.00 final\r\n01.01.24 Added: ' text $((20 * 1048576)) '\r\n'
    for f in "$line300" "$empty200" "$line20"; do
        check_absurd_report "$f" '`--releases`' "$velomir" --ini "$ini" --releases
        check_absurd_report "$f" '`--changes`' "$velomir" --ini "$ini" --changes
        check_absurd_report "$f" '`--find crash`' "$velomir" --ini "$ini" --find crash
        check_absurd_report "$f" '`--weekdays`' "$velomir" --ini "$ini" --weekdays
    done
    echo "Checking the window on each" >&2
    check_absurd_windows "$line300" "$empty200" "$line20"
fi

echo "| check | file | measured | bound | | what happened |"
echo "|---|---|---:|---:|---|---|"
printf '%s\n' "${rows[@]}"
