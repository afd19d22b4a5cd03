#!/usr/bin/env python3
"""Where a frame benchmark's CPU time goes: each `perf` sample is charged to
the first frame of its call chain, leaf upwards, outside the C and C++
runtime, so malloc called by the engine counts as the engine's and memset
called by the driver as the driver's.
    bench/frame-share.py perf.data
"""
import collections
import subprocess
import sys

RUNTIME = ("libc.so", "libstdc++", "libm.so", "ld-linux")


def owner(frames):
    for frame in frames:
        dso = frame.strip().rsplit("(", 1)[-1].rstrip(")").split("/")[-1]
        if not any(lib in dso for lib in RUNTIME):
            return "Mesa JIT code" if dso.startswith("perf-") else dso
    return "runtime, caller unknown"


def main(path):
    script = subprocess.run(["perf", "script", "-i", path, "-F", "ip,sym,dso"],
                            capture_output=True, text=True, check=True).stdout
    owners = collections.Counter(owner(block.strip().splitlines())
                                 for block in script.split("\n\n") if block.strip())
    total = sum(owners.values())
    for name, samples in owners.most_common(10):
        print(f"{100 * samples / total:6.2f} %  {name}")
    print(f"{total} samples")


if __name__ == "__main__":
    main(sys.argv[1])
