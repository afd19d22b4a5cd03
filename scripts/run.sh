#!/usr/bin/env bash
# Installs the dependencies, builds, and runs the parallax demo.
# Without a display it runs the demo on a virtual X server for a few seconds,
# saves a screenshot to screenshot.png and ends it with Escape.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

if [ -n "${DISPLAY:-}" ]; then
  exec build/bin/kavor
fi

display=":$(( (RANDOM % 400) + 100 ))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} build/bin/kavor &
app=$!
sleep 5
xdotool mousemove 512 384
sleep 1
import -window root screenshot.png
echo "Saved a screenshot of the running demo to screenshot.png"
xdotool key Escape
status=0
wait $app || status=$?
echo "The demo exited with status $status"
exit $status
