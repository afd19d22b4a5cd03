#!/usr/bin/env python3
"""kavor-inspect end to end: for every TGA, BMP and PCX variant ImageMagick
writes, the inspector's --dump equals ImageMagick's own PPM of the file; its
JSON line, exit codes and messages hold."""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile

ALPHA = "-alpha set -channel A -fx i/w +channel -type TrueColorAlpha "
# file, reader, convert options and output prefix, channels
VARIANTS = [
    ("tga24.tga", "tga", "-type TrueColor ", 3),
    ("tga24rle.tga", "tga", "-type TrueColor -compress RLE ", 3),
    ("tga32.tga", "tga", ALPHA, 4),
    ("tga32rle.tga", "tga", ALPHA + "-compress RLE ", 4),
    ("bmp24.bmp", "bmp", "-type TrueColor BMP3:", 3),
    ("bmp8.bmp", "bmp", "-colors 200 -type palette -compress None BMP3:", 3),
    ("bmp8rle.bmp", "bmp", "-colors 200 -type palette -compress RLE BMP3:", 3),
    ("bmp4.bmp", "bmp", "-colors 16 -compress None BMP3:", 3),
    ("bmp1.bmp", "bmp", "-monochrome BMP3:", 3),
    ("bmpos2.bmp", "bmp", "-colors 200 -type palette BMP2:", 3),
    ("pcx1.pcx", "pcx", "-monochrome -set colorspace sRGB -type palette ", 3),
    ("pcx8.pcx", "pcx", "-colors 200 -type palette ", 3),
    ("pcx24.pcx", "pcx", "-type TrueColor ", 3),
    ("png24.png", "sdl_image", "-type TrueColor ", 3),
]
failed = set()


def check(case, condition, what):
    if not condition:
        failed.add(case)
        print(f"FAIL {case}: {what}")


def ppm_rgb(data):
    """Width, height and pixel bytes of a binary P6 file (no comments)."""
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    return int(header.group(1)), int(header.group(2)), data[header.end():]


def run(binary, *args):
    return subprocess.run([binary, *args], capture_output=True, timeout=60)


def check_variant(binary, tmp, name, reader, options, channels):
    path, dump = os.path.join(tmp, name), os.path.join(tmp, name + ".ppm")
    subprocess.run(f"convert rose: -crop 37x23+5+5 +repage {options}{path}", shell=True, check=True)
    result = run(binary, "--dump", dump, path)
    check(name, result.returncode == 0, f"exit {result.returncode} {result.stderr.decode().strip()}")
    if result.returncode != 0:
        return
    lines = result.stdout.decode().splitlines()
    expected = {"kind": "image", "reader": reader, "width": 37, "height": 23, "channels": channels}
    check(name, len(lines) == 1 and json.loads(lines[0]) == expected, f"JSON {lines}")
    reference = ppm_rgb(subprocess.run(["convert", path, "-auto-orient", "-depth", "8", "ppm:-"],
                                       check=True, capture_output=True).stdout)
    if name == "pcx1.pcx":
        # ImageMagick takes a 1-bit PCX's bits the other way round from its
        # header palette; the engine follows the palette.
        reference = reference[:2] + (bytes(255 - b for b in reference[2]),)
    with open(dump, "rb") as f:
        check(name, ppm_rgb(f.read()) == reference, "dump differs from ImageMagick's pixels")


def check_failures(binary, tmp):
    missing = run(binary, os.path.join(tmp, "missing.tga"))
    check("failures", missing.returncode == 1 and missing.stdout == b"" and
          missing.stderr.decode().count("\n") == 1, f"missing file: {missing}")
    broken = os.path.join(tmp, "broken.tga")  # 8192 x 8192 RLE with one packet
    with open(broken, "wb") as f:
        f.write(bytes([0, 0, 10] + [0] * 9 + [0, 32, 0, 32, 32, 0, 255, 1, 2, 3, 4]))
    result = run(binary, "--dump", os.path.join(tmp, "broken.ppm"), broken)
    message = result.stderr.decode()
    check("failures", result.returncode == 1 and "Could not read RLE header" in message and
          message.count("\n") == 1 and not os.path.exists(os.path.join(tmp, "broken.ppm")),
          f"truncated TGA: {result}")
    for args in ([], ["--dump"], ["--dump", "x.ppm"], ["a.tga", "b.tga"], ["--frobnicate", "a.tga"]):
        check("failures", run(binary, *args).returncode == 2, f"usage {args}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin-dir", required=True)
    binary = os.path.join(parser.parse_args().bin_dir, "kavor-inspect")
    with tempfile.TemporaryDirectory() as tmp:
        for variant in VARIANTS:
            check_variant(binary, tmp, *variant)
        check_failures(binary, tmp)
    total = len(VARIANTS) + 1
    print(f"{total - len(failed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
