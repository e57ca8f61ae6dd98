#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program in a virtual X display:
#   tools/take_screenshots.sh build/app/trivolo docs
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
work=$(mktemp -d)
display=":$((90 + RANDOM % 800))"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p -m 700 "$work/runtime" "$work/config/Mollberg/Trivolo"
printf '[common]\ntongue=0\nMainForm="200,0,1,100,100,801,580"\n' >"$work/config/Mollberg/Trivolo/V2.ini"
env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
  "$program" >/dev/null 2>&1 &
app=$!
xdotool search --sync --onlyvisible --name '^Trivolo V2.1$' >/dev/null
sleep 1.5
xdotool mousemove 1200 1000
sleep 0.3
import -window root -crop 701x480+100+100 +repage "$out/mainform.png"
# The options button sits 208 pixels from the right edge.
xdotool mousemove $((100 + 701 - 208 + 25)) $((100 + 29)) click 1
sleep 0.8
xdotool mousemove 1200 1000
sleep 0.6
import -window root -crop 701x480+100+100 +repage "$out/options.png"
