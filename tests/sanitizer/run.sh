#!/usr/bin/env bash
# Runs the test suite of a build configured with -DKAVOR_SANITIZE=ON
# (AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails its
# test). LeakSanitizer skips memory the system libraries keep until exit
# (lsan.supp); Mesa's driver is preloaded so it stays loaded until the leak
# check and its frames keep their names.
#   tests/sanitizer/run.sh [BUILD_DIR, default build-asan] [ctest arguments...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build-asan}"
shift || true
for dir in /usr/lib/x86_64-linux-gnu/dri /usr/lib/dri /usr/lib64/dri; do
  if [ -f "$dir/swrast_dri.so" ]; then
    export LD_PRELOAD="$dir/swrast_dri.so"
    break
  fi
done
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1"
cd "$build"
ctest --output-on-failure -j1 "$@"
