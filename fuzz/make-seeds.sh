#!/usr/bin/env bash
# Writes small seed files for the fuzz targets, one folder per target named
# after it (DIR/tga for fuzz_tga, ...): images written by ImageMagick, the
# engine's own documents.
#   fuzz/make-seeds.sh DIR
set -euo pipefail
seeds=${1:?usage: make-seeds.sh DIR}
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
for target in tga bmp pcx byte_reader xml native_model 3ds md2 obj; do mkdir -p "$seeds/$target"; done
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
# Documents: the ground plane the applications load, and a small one with a
# declaration, a document type, comments, text and every kind of tag.
small='<?xml version="1.0"?>\n<!DOCTYPE model>\n<model name="m" numsubobjects="1" nummaterials="0" numofparallaxmap="0"><!-- c -->\n<d><object name="o" numvertices="3" numfaces="1"><position x="0" y="0" z="0"/><orientation angle="0" x="0" y="1" z="0"/><vertex x="0" y="0" z="0" u0="0" v0="0"/><vertex x="1" y="0" z="0"/><vertex x="0" y="1" z="0" r="0.5"/><face a="0" b="1" c="2" materialindex="-1" parallaxmapindex="-1"/></object>text &amp; more</d></model>'
for target in xml native_model; do
  cp "$root/Data/KModel/plane_new.xml" "$seeds/$target/plane.xml"
  printf "$small" >"$seeds/$target/small.xml"
done
# Models: the engine test application's (written by the asset generator) and
# a small OBJ with every corner form, a polygon and a negative index.
cp "$root/Data/Models/crusader.3ds" "$seeds/3ds/crusader.3ds"
cp "$root/Data/Models/MD2/tris.md2" "$seeds/md2/tris.md2"
printf '# cube corner\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvn 0 0 1\nf 1/1/1 2/2/1 3/3/1\nf 1//1 3//1 4//1\nf -4 -3 -2 -1\nv 0 0 1\nv 1 0 1\nv 0 1 1\nf -3 -2 -1\n' >"$seeds/obj/cube.obj"
