"""Runs each suite of the OpenGL test binary in its own process on one
virtual X server: suites open, resize and close windows, and a fresh process
per suite keeps one suite's context and SDL state away from the next."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "e2e"))
from e2e_support import XServer  # noqa: E402


def suites(binary):
    listing = subprocess.run([binary, "--gtest_list_tests"], capture_output=True, text=True,
                             check=True).stdout
    return [line[:-1] for line in listing.splitlines()
            if line.endswith(".") and not line.startswith(" ")]


def main():
    binary = sys.argv[1]
    failed = []
    with XServer(1280, 1024) as x:
        for suite in suites(binary):
            run = subprocess.run([binary, f"--gtest_filter={suite}.*"], env=x.env(),
                                 capture_output=True, text=True)
            status = "ok" if run.returncode == 0 else f"FAILED (exit {run.returncode})"
            print(f"{suite}: {status}")
            if run.returncode != 0:
                failed.append(suite)
                print(run.stdout[-20000:], run.stderr[-5000:])
    print(f"{len(suites(binary)) - len(failed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
