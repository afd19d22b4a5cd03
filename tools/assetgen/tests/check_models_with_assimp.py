#!/usr/bin/env python3
"""Reads the generated MD2 and 3DS models with assimp, an independent reader,
and checks that it finds what the files' own headers and chunks declare:
face counts, meshes, materials, texture names and the bounding box (assimp
turns both formats to y up, as the engine does); and that, placed as the
engine test application places them, both stand on the ground plane.

Usage: check_models_with_assimp.py DATA_DIR
"""
import os
import re
import struct
import subprocess
import sys


def assimp_info(path):
    result = subprocess.run(["assimp", "info", path], capture_output=True, text=True, check=False)
    if result.returncode != 0:
        sys.exit(f"assimp cannot read {path}:\n{result.stdout}{result.stderr}")
    out = result.stdout

    def number(label):
        return int(re.search(rf"^{label}:\s+(\d+)", out, re.M).group(1))

    def point(label):
        return [float(v) for v in re.search(rf"^{label} point\s+\(([^)]*)\)", out, re.M).group(1).split()]

    refs = re.search(r"^Texture Refs:\n((?:\s+'.*'\n)*)", out, re.M)
    return {
        "faces": number("Faces"),
        "meshes": number("Meshes"),
        "materials": number("Materials"),
        "min": point("Minimum"),
        "max": point("Maximum"),
        "textures": re.findall(r"'([^']*)'", refs.group(1)) if refs else [],
    }


def md2_expected(path):
    data = open(path, "rb").read()
    header = struct.unpack_from("<4s16i", data)
    vertices, triangles, skins_at, frames_at = header[6], header[8], header[11], header[14]
    scale = struct.unpack_from("<3f", data, frames_at)
    translate = struct.unpack_from("<3f", data, frames_at + 12)
    points = []
    for i in range(vertices):
        b = data[frames_at + 40 + 4 * i : frames_at + 43 + 4 * i]
        x, y, z = (b[k] * scale[k] + translate[k] for k in range(3))
        points.append((x, z, -y))  # the engine's and assimp's y-up axes
    skin = data[skins_at : data.index(b"\0", skins_at)].decode()
    return {"faces": triangles, "meshes": 1, "materials": 1, "points": points, "textures": [skin]}


def chunks(data, start, end):
    while start < end:
        cid, length = struct.unpack_from("<HI", data, start)
        yield cid, start + 6, start + length
        start += length


def threeds_expected(path):
    data = open(path, "rb").read()
    found = {"faces": 0, "meshes": 0, "materials": 0, "points": [], "textures": []}

    def walk(begin, end):
        for cid, payload, stop in chunks(data, begin, end):
            if cid in (0x4D4D, 0x3D3D, 0x4100, 0xA200):
                walk(payload, stop)
            elif cid == 0xAFFF:
                found["materials"] += 1
                walk(payload, stop)
            elif cid == 0xA300:
                found["textures"].append(data[payload : data.index(b"\0", payload)].decode())
            elif cid == 0x4000:
                found["meshes"] += 1
                walk(data.index(b"\0", payload) + 1, stop)
            elif cid == 0x4110:
                (count,) = struct.unpack_from("<H", data, payload)
                for i in range(count):
                    x, y, z = struct.unpack_from("<3f", data, payload + 2 + 12 * i)
                    found["points"].append((x, z, -y))
            elif cid == 0x4120:
                found["faces"] += struct.unpack_from("<H", data, payload)[0]

    walk(0, len(data))
    return found


def check(path, expected, seen, failures):
    for key in ("faces", "meshes", "materials"):
        if seen[key] != expected[key]:
            failures.append(f"{path}: assimp finds {seen[key]} {key}, the file declares {expected[key]}")
    if sorted(seen["textures"]) != sorted(expected["textures"]):
        failures.append(f"{path}: assimp finds textures {seen['textures']}, the file names {expected['textures']}")
    for axis in range(3):
        values = [p[axis] for p in expected["points"]]
        low, high = min(values), max(values)
        if axis == 2:
            # Which way assimp points z after turning the model up is its own
            # choice; the depth must match.
            low, high = 0.0, high - low
            seen_low, seen_high = 0.0, seen["max"][2] - seen["min"][2]
        else:
            seen_low, seen_high = seen["min"][axis], seen["max"][axis]
        if abs(seen_low - low) > 0.02 or abs(seen_high - high) > 0.02:
            failures.append(f"{path}: axis {axis} spans {seen_low}..{seen_high}, expected {low}..{high}")


def check_placement(path, seen, lift, scale, tallest, failures):
    """The engine test application places the model lift units up, scaled:
    it must stand on the ground plane y = 0 and reach the given height."""
    ground = lift + scale * seen["min"][1]
    height = scale * (seen["max"][1] - seen["min"][1])
    if abs(ground) > 0.02 or not 50.0 <= height <= tallest:
        failures.append(f"{path}: placed, it stands at y = {ground:.3f} and is {height:.1f} units tall")


def main():
    data_dir = sys.argv[1]
    failures = []
    md2 = os.path.join(data_dir, "Models/MD2/tris.md2")
    seen = assimp_info(md2)
    check(md2, md2_expected(md2), seen, failures)
    check_placement(md2, seen, 10.0, 1.5, 60.0, failures)
    threeds = os.path.join(data_dir, "Models/crusader.3ds")
    expected = threeds_expected(threeds)
    seen = assimp_info(threeds)
    check(threeds, expected, seen, failures)
    check_placement(threeds, seen, 10.0, 2.0, 80.0, failures)
    for texture in expected["textures"]:
        # The engine loads the ".tga" of a ".jpg" name from the model's directory.
        tga = re.sub(r"\.jpg", ".tga", texture, flags=re.I)
        if not os.path.exists(os.path.join(data_dir, "Models", tga)):
            failures.append(f"{threeds}: texture {texture} has no {tga} beside it")
    for failure in failures:
        print(failure)
    print(f"{len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
