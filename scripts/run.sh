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

# Xvfb picks a free display itself and writes its number once it is ready.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayfile")"

SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} stdbuf -oL build/bin/kavor &
app=$!
sleep 5
xdotool mousemove 512 384
sleep 1
import -window root screenshot.png
printf "\nSaved a screenshot of the running demo to screenshot.png\n"
xdotool key Escape
status=0
wait $app || status=$?
printf "\nThe demo exited with status %s\n" "$status"
exit $status
