#!/usr/bin/env bash
# compare-reports.sh OLD NEW [FILE...]
#
# Runs every headless report with two builds of the program (OLD and NEW, paths of velomir
# executables) on each history file and says which reports differ, so that a change meant to keep
# behaviour can show it did. Without FILE it uses examples/History.txt and a 20,000-line history
# made by tools/gen-history. Both programs read the same empty settings file. Exits 1 when any
# report differs.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 OLD NEW [FILE...]" >&2
    exit 2
fi
old=$1 new=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/empty.ini"

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    "$root/tools/gen-history" 20000 7 > "$work/generated.txt"
    files=("$root/examples/History.txt" "$work/generated.txt")
fi

differ=0 runs=0
# compare ARGS...: one report with both programs; output and exit status must agree.
compare() {
    local a b sa=0 sb=0
    a=$("$old" --ini "$work/empty.ini" "$@" 2>&1) || sa=$?
    b=$("$new" --ini "$work/empty.ini" "$@" 2>&1) || sb=$?
    runs=$((runs + 1))
    if [ "$a" != "$b" ] || [ $sa -ne $sb ]; then
        differ=$((differ + 1))
        echo "DIFFERS: $*"
        diff <(printf '%s\n' "$a") <(printf '%s\n' "$b") | head -n 10 || true
    fi
}

for f in "${files[@]}"; do
    compare --releases "$f"
    mapfile -t keys < <("$old" --ini "$work/empty.ini" --releases "$f" | cut -f1)
    picked=()
    [ ${#keys[@]} -gt 0 ] && picked=("${keys[0]}" "${keys[$((${#keys[@]} / 2))]}" "${keys[-1]}")
    for release in "" all "${picked[@]}"; do
        for filter in all additions fixes; do
            for order in "" --reversed; do
                args=(--changes "$f" --filter "$filter")
                [ -n "$release" ] && args+=(--release "$release")
                [ -n "$order" ] && args+=("$order")
                compare "${args[@]}"
            done
        done
    done
    compare --changes "$f" --release k999999999
    for text in toolbar Toolbar "new in" "Größe" "fixed:" " "; do
        for in in everywhere additions fixes; do
            compare --find "$text" "$f" --in "$in"
            compare --find "$text" "$f" --in "$in" --whole-word
        done
    done
    compare --weekdays "$f"
    [ ${#picked[@]} -gt 0 ] && compare --weekdays "$f" --release "${picked[0]}" --release "${picked[-1]}"
done
compare --releases "$work/does-not-exist.txt"

echo "$runs reports compared, $differ differ"
[ $differ -eq 0 ]
