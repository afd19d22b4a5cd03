#!/usr/bin/env bash
# Renders a fixed number of parallax-demo frames on a virtual X server twice:
# once normally, once with Mesa's no-op driver mode, which accepts every
# OpenGL call but draws nothing. The second run leaves the engine's own work
# (plus the driver's thin API layer); the ratio of the two is the engine's
# share of a frame.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/bin/ParallaxFrameBench
display=":$(( (RANDOM % 400) + 500 ))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
echo "== full frames (Mesa llvmpipe) =="
"$bench" --benchmark_counters_tabular=true 2>/dev/null | grep -E "BM_|Benchmark"
echo "== the same frames with drawing discarded (GALLIUM_NOOP=1) =="
GALLIUM_NOOP=1 "$bench" --benchmark_counters_tabular=true 2>/dev/null | grep -E "BM_|Benchmark"
