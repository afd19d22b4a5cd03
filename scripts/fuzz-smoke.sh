#!/usr/bin/env bash
# Builds the file-reader fuzz targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each one briefly on
# seed files written by ImageMagick. Not part of the test command.
#   scripts/fuzz-smoke.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DKAVOR_BUILD_FUZZ=ON -DKAVOR_BUILD_TESTS=OFF \
  -DKAVOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_tga fuzz_bmp fuzz_pcx

seeds=build-fuzz/seeds
mkdir -p "$seeds"/tga "$seeds"/bmp "$seeds"/pcx
source_image=(rose: -crop 13x7+20+20 +repage)
convert "${source_image[@]}" -type TrueColor "$seeds"/tga/plain.tga
convert "${source_image[@]}" -type TrueColor -compress RLE "$seeds"/tga/rle.tga
convert "${source_image[@]}" -alpha set -type TrueColorAlpha -compress RLE "$seeds"/tga/alpha.tga
convert "${source_image[@]}" -orient TopLeft "$seeds"/tga/top.tga
convert "${source_image[@]}" -type TrueColor BMP3:"$seeds"/bmp/rgb.bmp
convert "${source_image[@]}" -colors 20 -type palette -compress None BMP3:"$seeds"/bmp/p8.bmp
convert "${source_image[@]}" -colors 20 -type palette -compress RLE BMP3:"$seeds"/bmp/rle8.bmp
convert "${source_image[@]}" -colors 16 -compress None BMP3:"$seeds"/bmp/p4.bmp
convert "${source_image[@]}" -monochrome BMP3:"$seeds"/bmp/p1.bmp
convert "${source_image[@]}" -colors 20 -type palette BMP2:"$seeds"/bmp/os2.bmp
convert "${source_image[@]}" -monochrome -set colorspace sRGB -type palette "$seeds"/pcx/p1.pcx
convert "${source_image[@]}" -colors 30 -type palette "$seeds"/pcx/p8.pcx
convert "${source_image[@]}" -type TrueColor "$seeds"/pcx/rgb.pcx

status=0
for kind in tga bmp pcx; do
  corpus=build-fuzz/corpus-$kind
  mkdir -p "$corpus"
  echo "fuzz_$kind: ${seconds}s"
  build-fuzz/bin/fuzz_$kind -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$corpus" "$seeds/$kind" || status=1
done
exit $status
