#!/usr/bin/env bash
# Renders a fixed number of frames of an application on a virtual X server
# twice: once normally, once with Mesa's no-op driver mode, which accepts
# every OpenGL call but draws nothing. The second run leaves the engine's own
# work (plus the driver's thin API layer); the ratio of the two is the
# engine's share of a frame. Where perf (Debian's linux-perf) is installed,
# a third, profiled run charges every CPU sample to the engine, the driver or
# the kernel (bench/frame-share.py), which separates the engine's own code
# from Mesa's API layer.
#   bench/run-frame-bench.sh [ParallaxFrameBench (default) | EngineTestFrameBench | GuiFrameBench]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/virtual-display.sh 1024x768
bench=build/bin/${1:-ParallaxFrameBench}
echo "== full frames (Mesa llvmpipe) =="
"$bench" --benchmark_counters_tabular=true 2>/dev/null | grep -E "BM_|Benchmark"
echo "== the same frames with drawing discarded (GALLIUM_NOOP=1) =="
GALLIUM_NOOP=1 "$bench" --benchmark_counters_tabular=true 2>/dev/null | grep -E "BM_|Benchmark"
if command -v perf >/dev/null; then
  echo "== CPU samples of full frames by owner (perf) =="
  data=$(mktemp)
  perf record -q -F 2000 -g -o "$data" "$bench" >/dev/null 2>&1
  python3 bench/frame-share.py "$data"
  rm -f "$data"
fi
