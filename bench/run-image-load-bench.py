#!/usr/bin/env python3
"""Image loading end to end, whole process: `kavor-inspect FILE` against a
program that only calls SDL_image's IMG_Load on the same file
(kavor-image-load-peer), for 4096 x 4096 TGA, BMP and PCX files written by
ImageMagick. Runs come in pairs (the order alternating), each timed from
start to exit, with the peak resident memory the kernel reports for each
process (wait4). Prints per format the median of the paired time ratios
and the peak memory of both (ratios below 1: the engine is faster or
smaller).

    bench/run-image-load-bench.py [--bin-dir build/bin] [--pairs 15] [--keep DIR] [--only NAME ...]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

# name, file extension, ImageMagick options and output prefix
FORMATS = [
    ("tga24", "tga", "-type TrueColor TGA:"),
    ("tga24rle", "tga", "-type TrueColor -compress RLE TGA:"),
    ("tga32rle", "tga", "-alpha set -type TrueColorAlpha -compress RLE TGA:"),
    ("bmp24", "bmp", "-type TrueColor BMP3:"),
    ("bmp8", "bmp", "-colors 200 -type palette -compress None BMP3:"),
    ("bmp8rle", "bmp", "-colors 200 -type palette -compress RLE BMP3:"),
    ("pcx24", "pcx", "-type TrueColor PCX:"),
    ("pcx8", "pcx", "-colors 200 -type palette PCX:"),
]


def make_files(directory):
    base = os.path.join(directory, "base.miff")
    if not os.path.exists(base):
        subprocess.run(["convert", "rose:", "-resize", "4096x4096!", base], check=True)
    paths = {}
    for name, extension, options in FORMATS:
        path = os.path.join(directory, f"{name}.{extension}")
        if not os.path.exists(path):
            *flags, prefix = options.split(" ")
            subprocess.run(["convert", base, *flags, prefix + path], check=True)
        paths[name] = path
    return paths


def run(argv):
    """Seconds from start to exit and peak resident memory in MB."""
    with open(os.devnull, "wb") as null:
        start = time.perf_counter()
        pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=[(os.POSIX_SPAWN_DUP2, null.fileno(), 1)])
        _, status, usage = os.wait4(pid, 0)
        elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(argv)} failed")
    return elapsed, usage.ru_maxrss / 1024.0


def measure(engine, peer, path, pairs):
    run(engine + [path])  # both files and programs in the page cache
    run(peer + [path])
    ratios, engine_times, peer_times, engine_mb, peer_mb = [], [], [], [], []
    for i in range(pairs):
        order = [(engine, engine_times, engine_mb), (peer, peer_times, peer_mb)]
        results = {}
        for argv, times, memory in order if i % 2 == 0 else reversed(order):
            seconds, mb = run(argv + [path])
            times.append(seconds)
            memory.append(mb)
            results[id(argv)] = seconds
        ratios.append(results[id(engine)] / results[id(peer)])
    return (statistics.median(engine_times), statistics.median(peer_times), statistics.median(ratios),
            max(engine_mb), max(peer_mb))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin-dir", default="build/bin")
    parser.add_argument("--pairs", type=int, default=15)
    parser.add_argument("--keep", help="directory for the sample files, kept between runs")
    parser.add_argument("--only", nargs="+", help="the formats to measure (tga24, bmp8, ...)")
    args = parser.parse_args()
    engine = [os.path.join(args.bin_dir, "kavor-inspect")]
    peer = [os.path.join(args.bin_dir, "kavor-image-load-peer")]
    with tempfile.TemporaryDirectory() as scratch:
        directory = args.keep or scratch
        os.makedirs(directory, exist_ok=True)
        paths = make_files(directory)
        print(f"{'file':10} {'engine s':>9} {'SDL s':>9} {'time ratio':>11} {'engine MB':>10} {'SDL MB':>8} "
              f"{'memory ratio':>13}")
        for name, _, _ in FORMATS:
            if args.only and name not in args.only:
                continue
            engine_s, peer_s, ratio, engine_mb, peer_mb = measure(engine, peer, paths[name], args.pairs)
            print(f"{name:10} {engine_s:9.3f} {peer_s:9.3f} {ratio:11.2f} {engine_mb:10.1f} {peer_mb:8.1f} "
                  f"{engine_mb / peer_mb:13.2f}", flush=True)
    print("time ratio: median of paired runs, engine / SDL_image; memory: peak resident set, engine / SDL_image")


if __name__ == "__main__":
    main()
