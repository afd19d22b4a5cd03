#!/usr/bin/env bash
# Writes small seed files for the fuzz targets with ImageMagick, one folder
# per reader: DIR/tga, DIR/bmp, DIR/pcx.
#   fuzz/make-seeds.sh DIR
set -euo pipefail
seeds=${1:?usage: make-seeds.sh DIR}
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
