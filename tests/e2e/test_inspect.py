#!/usr/bin/env python3
"""kavor-inspect end to end: ImageMagick writes every TGA, BMP and PCX variant
the engine reads; the inspector's --dump must equal ImageMagick's own PPM of
the same file, and its JSON line, exit codes and messages must hold."""
import argparse
import json
import os
import subprocess
import sys
import tempfile

SOURCE = ["rose:", "-crop", "37x23+5+5", "+repage"]
ALPHA = ["-alpha", "set", "-channel", "A", "-fx", "i/w", "+channel"]

# name, reader, convert options, channels, black and white swapped by ImageMagick
VARIANTS = [
    ("tga24.tga", "tga", ["-type", "TrueColor"], 3, False),
    ("tga24rle.tga", "tga", ["-type", "TrueColor", "-compress", "RLE"], 3, False),
    ("tga32.tga", "tga", ALPHA + ["-type", "TrueColorAlpha"], 4, False),
    ("tga32rle.tga", "tga", ALPHA + ["-type", "TrueColorAlpha", "-compress", "RLE"], 4, False),
    ("bmp24.bmp", "bmp", ["-type", "TrueColor", "-define", "bmp:format=bmp3"], 3, False),
    ("bmp8.bmp", "bmp", ["-colors", "200", "-type", "palette", "-compress", "None", "-define", "bmp:format=bmp3"], 3, False),
    ("bmp8rle.bmp", "bmp", ["-colors", "200", "-type", "palette", "-compress", "RLE", "-define", "bmp:format=bmp3"], 3, False),
    ("bmp4.bmp", "bmp", ["-colors", "16", "-compress", "None", "-define", "bmp:format=bmp3"], 3, False),
    ("bmp1.bmp", "bmp", ["-monochrome", "-define", "bmp:format=bmp3"], 3, False),
    ("bmpos2.bmp", "bmp", ["-colors", "200", "-type", "palette", "-define", "bmp:format=bmp2"], 3, False),
    # ImageMagick takes a 1-bit PCX's bits the other way round from its
    # header palette; the engine follows the palette.
    ("pcx1.pcx", "pcx", ["-monochrome", "-set", "colorspace", "sRGB", "-type", "palette"], 3, True),
    ("pcx8.pcx", "pcx", ["-colors", "200", "-type", "palette"], 3, False),
    ("pcx24.pcx", "pcx", ["-type", "TrueColor"], 3, False),
    ("png24.png", "sdl_image", ["-type", "TrueColor"], 3, False),
]

failed_cases = set()
current_case = [""]


def check(condition, what):
    if not condition:
        failed_cases.add(current_case[0])
        print("FAIL:", what)


def ppm_pixels(data):
    """Width, height and RGB bytes of a binary P6 file."""
    fields, pos = [], 2
    assert data[:2] == b"P6", "not a P6 file"
    while len(fields) < 3:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(int(data[pos:end]))
        pos = end
    return fields[0], fields[1], data[pos + 1:]


def inspect(binary, *args):
    return subprocess.run([binary, *args], capture_output=True, timeout=60)


def check_variant(binary, tmp, name, reader, options, channels, inverted):
    current_case[0] = name
    path = os.path.join(tmp, name)
    subprocess.run(["convert", *SOURCE, *options, path], check=True)
    dump = os.path.join(tmp, name + ".ppm")
    run = inspect(binary, "--dump", dump, path)
    check(run.returncode == 0, f"{name}: exit {run.returncode} {run.stderr.decode().strip()}")
    if run.returncode != 0:
        return
    lines = run.stdout.decode().splitlines()
    check(len(lines) == 1, f"{name}: one JSON line, got {lines}")
    info = json.loads(lines[0])
    check(info == {"kind": "image", "reader": reader, "width": 37, "height": 23, "channels": channels},
          f"{name}: JSON {info}")
    reference = subprocess.run(["convert", path, "-auto-orient", "-depth", "8", "ppm:-"],
                               check=True, capture_output=True).stdout
    ref_w, ref_h, ref_rgb = ppm_pixels(reference)
    with open(dump, "rb") as f:
        got_w, got_h, got_rgb = ppm_pixels(f.read())
    if inverted:
        ref_rgb = bytes(255 - b for b in ref_rgb)
    check((got_w, got_h) == (ref_w, ref_h), f"{name}: dump size {got_w}x{got_h}")
    check(got_rgb == ref_rgb, f"{name}: dump pixels differ from ImageMagick's")


def check_failures(binary, tmp):
    current_case[0] = "failures"
    missing = inspect(binary, os.path.join(tmp, "missing.tga"))
    check(missing.returncode == 1, f"missing file: exit {missing.returncode}")
    check(missing.stdout == b"", "missing file: nothing on standard output")
    check(len(missing.stderr.decode().strip().splitlines()) == 1, "missing file: one-line message")

    broken = os.path.join(tmp, "broken.tga")
    with open(broken, "wb") as f:
        f.write(bytes([0, 0, 10] + [0] * 9 + [0, 32, 0, 32, 32, 0, 255, 1, 2, 3, 4]))
    run = inspect(binary, "--dump", os.path.join(tmp, "broken.ppm"), broken)
    message = run.stderr.decode()
    check(run.returncode == 1, f"truncated TGA: exit {run.returncode}")
    check("Could not read RLE header" in message and message.count("\n") == 1,
          f"truncated TGA: reader's message on one line, got {message!r}")
    check(not os.path.exists(os.path.join(tmp, "broken.ppm")), "truncated TGA: no dump written")

    for args in ([], ["--dump"], ["--dump", "x.ppm"], ["a.tga", "b.tga"], ["--frobnicate", "a.tga"]):
        run = inspect(binary, *args)
        check(run.returncode == 2, f"usage {args}: exit {run.returncode}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin-dir", required=True)
    args = parser.parse_args()
    binary = os.path.join(args.bin_dir, "kavor-inspect")
    with tempfile.TemporaryDirectory() as tmp:
        for variant in VARIANTS:
            check_variant(binary, tmp, *variant)
        check_failures(binary, tmp)
    total = len(VARIANTS) + 1
    print(f"{total - len(failed_cases)} passed, {len(failed_cases)} failed")
    return 1 if failed_cases else 0


if __name__ == "__main__":
    sys.exit(main())
