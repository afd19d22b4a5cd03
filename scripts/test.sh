#!/usr/bin/env bash
# Installs the dependencies, builds, and runs every test suite
# (headless unit tests, OpenGL tests and end-to-end tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build
ctest --output-on-failure -j1 "$@"
