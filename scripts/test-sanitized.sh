#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (benchmarks left out) and runs the whole test suite there; any
# finding, leaks of the engine's own memory included, fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVOR_SANITIZE=ON -DKAVOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
bash tests/sanitizer/run.sh "$PWD/build-asan" "$@"
