#!/usr/bin/env bash
# Writes small seed files for the fuzz targets with ImageMagick, one folder
# per target: DIR/tga, DIR/bmp, DIR/pcx, DIR/byte_reader.
#   fuzz/make-seeds.sh DIR
set -euo pipefail
seeds=${1:?usage: make-seeds.sh DIR}
mkdir -p "$seeds"/tga "$seeds"/bmp "$seeds"/pcx "$seeds"/byte_reader
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
# The cursor's target: buffer size, operation count, operations (kind,
# amount), then the bytes of a file.
ops='\x05\x08\x00\x01\x02\x10\x03\x20\x04\x30\x05\x08\x06\x40\x02\x50\x01\x01'
for file in "$seeds"/tga/plain.tga "$seeds"/bmp/rle8.bmp; do
  { printf "$ops"; cat "$file"; } >"$seeds/byte_reader/$(basename "$file").bin"
done
