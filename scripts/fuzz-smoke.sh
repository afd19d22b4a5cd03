#!/usr/bin/env bash
# Builds the fuzz targets (file readers, the checked cursor) with clang
# (AddressSanitizer and UndefinedBehaviorSanitizer) into build-fuzz/ and runs
# each one briefly on the seed files of fuzz/make-seeds.sh. Not part of the
# test command.
#   scripts/fuzz-smoke.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DKAVOR_BUILD_FUZZ=ON -DKAVOR_BUILD_TESTS=OFF \
  -DKAVOR_BUILD_BENCH=OFF >/dev/null
kinds=(tga bmp pcx byte_reader xml native_model 3ds md2 obj)
cmake --build build-fuzz -j2 --target "${kinds[@]/#/fuzz_}"

seeds=build-fuzz/seeds
bash fuzz/make-seeds.sh "$seeds"

status=0
for kind in "${kinds[@]}"; do
  corpus=build-fuzz/corpus-$kind
  mkdir -p "$corpus"
  echo "fuzz_$kind: ${seconds}s"
  build-fuzz/bin/fuzz_$kind -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$corpus" "$seeds/$kind" || status=1
done
exit $status
