# Shared by the tools: install missing Debian packages, configure and build into a folder.
# shellcheck shell=bash

VELOMIR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELOMIR_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
                  libgl-dev libglx-dev qt6-qpa-plugins fonts-dejavu-core)
# What tools/check-style.sh needs beyond them.
VELOMIR_STYLE_PACKAGES=(clang-format clang-tidy git)
# What tools/package.sh needs beyond them to make and check the Debian package.
VELOMIR_PACKAGING_PACKAGES=(dpkg-dev lintian desktop-file-utils appstream gzip)

# ensure_packages PKG...: installs those that are missing; says nothing when all are present.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq </dev/null || { echo "apt-get update failed" >&2; return 1; }
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null ||
        { echo "Could not install: ${missing[*]}" >&2; return 1; }
}

# build_into DIR [CMAKE ARGS...]: configures once, then builds incrementally.
build_into() {
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        local launcher=()
        # Rebuilds of other checkouts reuse what ccache kept, where it is installed.
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S "$VELOMIR_ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null || return 1
    fi
    # Moc is re-run for every target: its own stamp misses sources added to a library by a merge.
    find "$dir" -path '*_autogen/timestamp' -delete 2>/dev/null
    cmake --build "$dir" -j "$(nproc)" | grep -v -E '^\[[0-9]+/[0-9]+\] ' || true
    return "${PIPESTATUS[0]}"
}

# generated_history FILE GEN-ARGS...: makes FILE with tools/gen-history GEN-ARGS unless it is
# there already and newer than the generator.
generated_history() {
    local f=$1; shift
    if [ ! -s "$f" ] || [ "$VELOMIR_ROOT/tools/gen-history" -nt "$f" ]; then
        echo "Generating $f" >&2
        "$VELOMIR_ROOT/tools/gen-history" "$@" > "$f.tmp" && mv "$f.tmp" "$f"
    fi
}
