#!/usr/bin/env bash
# File to OpenGL texture, the engine's loaders against SDL_image plus the
# same upload (bench/TextureLoadBench.cpp), on a virtual X server with Mesa's
# software renderer. Extra arguments go to the benchmark, for example
#   bench/run-texture-bench.sh --pairs=15 --benchmark_filter=bmp
# Standard output carries the loaders' console trace; the report is on
# standard error and is all this script shows.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/virtual-display.sh 640x480
build/bin/TextureLoadBench --benchmark_counters_tabular=true "$@" 2>&1 >/dev/null
