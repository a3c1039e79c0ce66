#!/usr/bin/env bash
# Installs what is missing, builds into build/ and opens the viewer on FILE (or finds History.txt).
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages "${VELOMIR_PACKAGES[@]}"
build_into "$VELOMIR_ROOT/build"
exe="$VELOMIR_ROOT/build/velomir"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    file=${1:-$VELOMIR_ROOT/examples/History.txt}
    echo "No display found; printing the release report of $file instead."
    exec "$exe" --releases "$file"
fi
if [ $# -eq 0 ]; then
    # Without a file manager installation to find History.txt in, show the sample.
    exec "$exe" --fallback "$VELOMIR_ROOT/examples/History.txt"
fi
exec "$exe" "$@"
