#!/usr/bin/env bash
# Builds the asset generator and rewrites the generated data files under Data/
# (fonts, pictures, GUI theme, models). The output is deterministic: running
# this twice leaves the same bytes.
# BUILD_DIR selects the CMake build directory (default: build).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target kavor-assetgen -j2
"$build/bin/kavor-assetgen" "$root/Data"
