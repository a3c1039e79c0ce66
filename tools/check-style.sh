#!/usr/bin/env bash
# Checks what the compiler does not: the formatting of every C++ file by the project's
# .clang-format, and clang-tidy with the project's .clang-tidy on the sources of src/. Any
# difference or finding fails. Builds build/ first for its compile commands and generated headers.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages "${VELOMIR_PACKAGES[@]}" "${VELOMIR_STYLE_PACKAGES[@]}"
cd "$VELOMIR_ROOT"

mapfile -t files < <(git ls-files '*.cpp' '*.h')
echo "== Formatting of ${#files[@]} files"
clang-format --dry-run --Werror "${files[@]}"

build_into "$VELOMIR_ROOT/build"
mapfile -t sources < <(git ls-files 'src/*.cpp')
echo "== clang-tidy on ${#sources[@]} files"
run-clang-tidy -p build -quiet -j "$(nproc)" "${sources[@]/#/$VELOMIR_ROOT/}" >build/clang-tidy.log 2>&1 ||
    { grep -E 'warning:|error:' build/clang-tidy.log | sort -u; echo "clang-tidy found the above"; exit 1; }
echo "clang-tidy: no findings"
