#!/usr/bin/env bash
# Plays the real program in a real X window: answers the language question,
# picks three cards, checks their colour on a screenshot, quits through the
# close question and checks the five settings that quitting writes.
set -euo pipefail
program=$1
work=$(mktemp -d)
display=":$((90 + RANDOM % 800))"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

mkdir -m 700 "$work/runtime"
env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy "$program" >"$work/log" 2>&1 &
app=$!

window=$(xdotool search --sync --onlyvisible --name '^Trivolo V2.1$' | head -1) || fail "no main window"
sleep 0.5
pixel() { convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }

# The language dialog sits in the middle of the 1280 x 1024 screen.
xdotool mousemove 585 483 click 1
sleep 0.5

eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X
top=$Y
# Client 701 x 480: cells of 102 pixels from (180, 66).
for col in 0 1 2; do
  xdotool mousemove $((left + 180 + 102 * col + 51)) $((top + 66 + 51)) click 1
  sleep 0.2
done
xdotool mousemove $((left + 10)) $((top + 200))
sleep 0.3
import -window root "$work/shot.png"
yellow=0
for col in 0 1 2; do
  face=$(pixel $((left + 180 + 102 * col + 8)) $((top + 66 + 51)))
  [ "$face" = "255,255,0" ] && yellow=$((yellow + 1))
  [ "$face" = "255,255,0" ] || [ "$face" = "255,255,255" ] || fail "card $col shows $face"
done
# Three yellow cards, or none when the three formed a SET and were replaced.
[ "$yellow" = 3 ] || [ "$yellow" = 0 ] || fail "$yellow of three picked cards are yellow"
[ "$(pixel $((left + 300)) $((top + 10)))" != "0,0,0" ] || fail "the header is not painted"

# Quit: the door, then Yes in the close question.
xdotool mousemove $((left + 701 - 52 + 25)) $((top + 4 + 25)) click 1
sleep 0.5
xdotool mousemove $((left + 191 + 260 + 25)) $((top + 161 + 100 + 25)) click 1
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end"
app=

ini="$work/config/Mollberg/Trivolo/V2.ini"
[ -f "$ini" ] || fail "no settings file"
for key in sound music hint tongue backmode; do
  grep -q "^$key=" "$ini" || fail "no $key in the settings"
done
grep -q '^tongue=1$' "$ini" || fail "the chosen language was not stored"
echo "real window check passed"
