#!/usr/bin/env python3
"""The byte layer stands alone: the fuzz targets link no SDL, OpenGL or GLEW
and kavor-inspect no OpenGL or GLEW; the layering check the build runs
passes on the sources and fails on an include against the layering; each
fuzz target runs cleanly over seed files written by ImageMagick."""
import argparse
import os
import re
import subprocess
import sys
import tempfile

FUZZ_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "fuzz")
FUZZ_TARGETS = sorted(f[:-4] for f in os.listdir(FUZZ_DIR) if f.startswith("fuzz_") and f.endswith(".cpp"))
GRAPHICS = r"lib(?:GL|GLU|GLEW|GLX|OpenGL)[.-]"
failed = []


def check(what, condition, detail=""):
    if not condition:
        failed.append(what)
        print(f"FAIL {what}: {detail}")


def linked(binary):
    return subprocess.run(["ldd", binary], check=True, capture_output=True, text=True).stdout


def check_links(bin_dir):
    for name in FUZZ_TARGETS:
        libraries = linked(os.path.join(bin_dir, name))
        bad = re.findall(r"\S*(?:libSDL|" + GRAPHICS + r")\S*", libraries)
        check(f"{name} links", not bad, " ".join(bad))
    libraries = linked(os.path.join(bin_dir, "kavor-inspect"))
    bad = re.findall(r"\S*" + GRAPHICS + r"\S*", libraries)
    check("kavor-inspect links", not bad, " ".join(bad))
    check("kavor-inspect links", "libSDL_image" in libraries, "no SDL_image")


def layering(cmake, source_dir, root, rules):
    return subprocess.run([cmake, f"-DROOT={root}", f"-DRULES={rules}", "-P",
                           os.path.join(source_dir, "cmake", "CheckLayering.cmake")], capture_output=True, text=True)


def check_layering(cmake, source_dir, rules, tmp):
    result = layering(cmake, source_dir, source_dir, rules)
    check("layering of the sources", result.returncode == 0, result.stderr)
    # A headless folder including SDL and a header of a layer above it.
    root = os.path.join(tmp, "tree")
    for folder in ("engine/bytes", "engine/graphics"):
        os.makedirs(os.path.join(root, folder))
    with open(os.path.join(root, "engine/bytes/Bad.cpp"), "w") as f:
        f.write('#include <SDL.h>\n#include "graphics/CTexture.h"\n#include "bytes/ByteReader.h"\n')
    bad_rules = os.path.join(tmp, "rules.txt")
    with open(bad_rules, "w") as f:
        f.write("engine/bytes|bytes,Basic|TRUE\nengine/graphics|graphics,bytes,Basic|FALSE\n")
    result = layering(cmake, source_dir, root, bad_rules)
    check("layering check catches includes", result.returncode != 0 and "<SDL.h>" in result.stderr and
          "graphics/CTexture.h" in result.stderr and "ByteReader" not in result.stderr, result.stderr)


def check_seeds(bin_dir, source_dir, tmp):
    seeds = os.path.join(tmp, "seeds")
    subprocess.run(["bash", os.path.join(source_dir, "fuzz", "make-seeds.sh"), seeds], check=True)
    for name in FUZZ_TARGETS:
        files = sorted(os.path.join(seeds, name[5:], f) for f in os.listdir(os.path.join(seeds, name[5:])))
        result = subprocess.run([os.path.join(bin_dir, name), *files], capture_output=True, text=True)
        check(f"{name} over its seeds", result.returncode == 0, result.stdout + result.stderr)


parser = argparse.ArgumentParser()
parser.add_argument("--bin-dir", required=True)
parser.add_argument("--source-dir", required=True)
parser.add_argument("--rules", required=True)
parser.add_argument("--cmake", required=True)
args = parser.parse_args()
with tempfile.TemporaryDirectory() as scratch:
    check_links(args.bin_dir)
    check_layering(args.cmake, args.source_dir, args.rules, scratch)
    check_seeds(args.bin_dir, args.source_dir, scratch)
print("all checks passed" if not failed else f"{len(failed)} checks failed")
sys.exit(1 if failed else 0)
