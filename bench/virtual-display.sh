# Sourced by the benchmark scripts that need an OpenGL window: starts a
# virtual X server (Xvfb, Mesa's software renderer) of the given size for the
# rest of the script and points DISPLAY at it.
#   source bench/virtual-display.sh WIDTHxHEIGHT
display=":$(( (RANDOM % 400) + 500 ))"
Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
