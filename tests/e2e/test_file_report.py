#!/usr/bin/env python3
"""kavor-inspect end to end: for every TGA, BMP and PCX variant ImageMagick
writes, the inspector's --dump equals ImageMagick's own PPM of the file; the
models the applications load, and one assimp wrote, report their counts and
boxes; its JSON line, exit codes and messages hold."""
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


def inspect_json(binary, path, case):
    result = run(binary, path)
    lines = result.stdout.decode().splitlines()
    check(case, result.returncode == 0 and len(lines) == 1, f"{path}: {result}")
    return json.loads(lines[0]) if result.returncode == 0 and len(lines) == 1 else {}


def check_models(binary, tmp):
    plane = inspect_json(binary, "Data/KModel/plane_new.xml", "models")
    check("models", plane.get("format") == "native" and plane.get("faces") == 576 and
          plane.get("vertexCount") == 625 and plane.get("boundsMin") == [-300, 0, -300], f"plane {plane}")
    statue = inspect_json(binary, "Data/Models/crusader.3ds", "models")
    check("models", statue.get("objects") == 10 and statue.get("faces") == 2420 and statue.get("materials") == 10 and
          statue.get("vertexCount") == 3 * 2420, f"3DS {statue}")
    goblin = inspect_json(binary, "Data/Models/MD2/tris.md2", "models")
    names = [(a["name"], a["start"], a["end"]) for a in goblin.get("animations", [])]
    check("models", goblin.get("frames") == 54 and goblin.get("faces") == 1476 and
          names == [("stand", 0, 40), ("run", 40, 46), ("wave", 46, 53)], f"MD2 {goblin}")
    # An OBJ written by assimp: its faces are the statue's, as assimp counts them.
    exported = os.path.join(tmp, "statue.obj")
    subprocess.run(["assimp", "export", "Data/Models/crusader.3ds", exported], check=True, capture_output=True)
    info = subprocess.run(["assimp", "info", exported], check=True, capture_output=True, text=True).stdout
    faces = int(re.search(r"Faces:\s+(\d+)", info).group(1))
    statue_obj = inspect_json(binary, exported, "models")
    check("models", statue_obj.get("faces") == faces and statue_obj.get("vertexCount") == 3 * faces,
          f"OBJ {statue_obj} against assimp's {faces} faces")
    broken = os.path.join(tmp, "broken.xml")
    with open(broken, "w") as f:
        f.write('<model name="m">\n<data></model>')
    result = run(binary, broken)
    check("models", result.returncode == 1 and result.stdout == b"" and
          "(Line 1)</data> or opening tag expected." in result.stderr.decode(), f"broken XML {result}")
    empty = os.path.join(tmp, "points.obj")
    with open(empty, "w") as f:
        f.write("v 0 0 0\nv 1 0 0\n")
    result = run(binary, empty)
    check("models", result.returncode == 1 and result.stderr.decode().strip().endswith("holds no face"),
          f"point cloud {result}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin-dir", required=True)
    binary = os.path.join(parser.parse_args().bin_dir, "kavor-inspect")
    with tempfile.TemporaryDirectory() as tmp:
        for variant in VARIANTS:
            check_variant(binary, tmp, *variant)
        check_failures(binary, tmp)
        check_models(binary, tmp)
    total = len(VARIANTS) + 2
    print(f"{total - len(failed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
