#!/usr/bin/env bash
# File to OpenGL texture, the engine's loaders against SDL_image plus the
# same upload (bench/TextureLoadBench.cpp), on a virtual X server with Mesa's
# software renderer. Extra arguments go to the benchmark, for example
#   bench/run-texture-bench.sh --benchmark_filter=bmp
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/bin/TextureLoadBench
display=":$(( (RANDOM % 400) + 500 ))"
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# Standard output carries the loaders' console trace; the report is on standard error.
"$bench" --benchmark_counters_tabular=true "$@" 2>&1 >/dev/null
