#!/usr/bin/env bash
# Plays the real program in real X windows, with or without a window manager
# ("bare" or "openbox"): answers the language question, picks three cards and
# checks their colour on a screenshot, opens the rules and quits through the
# close question while they are open, checks what quitting writes, then
# quits and starts again ten times and checks that the stored placement and
# the window's outer frame stay where they were.
set -euo pipefail
program=$1
manager=${2:-bare}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb.sh"
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL ($manager): $*" >&2; exit 1; }
# The first visible window with the title, asked again while other windows
# come and go (a search fails when one vanishes under it): up to 20 s.
find_window() {
  local found
  for _ in $(seq 200); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

start_xvfb
start_manager "$manager"

mkdir -m 700 "$work/runtime"
ini="$work/config/Mollberg/Trivolo/V2.ini"
start() {
  env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
    LSAN_OPTIONS="suppressions=$here/system_leaks.supp" "$program" >"$work/log" 2>&1 &
  app=$!
  window=$(find_window '^Trivolo V2.1$') || fail "no main window"
  # The window manager frames the window and the program places it again
  # within five seconds: wait until the frame has kept still for 0.6 s.
  sleep 0.6
  measure
  local last=$outer still=0
  for _ in $(seq 60); do
    sleep 0.1
    measure
    if [ "$outer" = "$last" ]; then still=$((still + 1)); else still=0; last=$outer; fi
    [ "$still" -ge 6 ] && break
  done
}
# The client area's position and size, and the frame's extents around it.
measure() {
  local info
  info=$(xwininfo -id "$window")
  left=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  top=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  width=$(sed -n 's/.*Width: *//p' <<<"$info")
  height=$(sed -n 's/.*Height: *//p' <<<"$info")
  local extents
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
  IFS=', ' read -r fl fr ft fb <<<"${extents:-0, 0, 0, 0}"
  outer="$((left - fl)),$((top - ft)),$((left + width + fr)),$((top + height + fb))"
}
stored() { sed -n 's/^MainForm="\?200,[0-9]*,[0-9]*,\([-0-9,]*\)"\?$/\1/p' "$ini"; }
pixel() { convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
# The door, then Yes in the close question, which sits centred over the
# window's outer width and over its client area's height.
quit() {
  xdotool mousemove $((left + width - 52 + 25)) $((top + 4 + 25)) click 1
  sleep 0.5
  local ow=$((width + fl + fr)) oh=$((height + ft + fb))
  local dx=$((left - fl + (ow - 319) / 2)) dy=$((top - ft + oh - (height + 158) / 2))
  xdotool mousemove $((dx + 260 + 25)) $((dy + 100 + 25)) click 1
  for _ in $(seq 20); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "the program did not end within 2 s of Yes"
  local status=0
  wait "$app" || status=$?
  [ "$status" = 0 ] || { cat "$work/log" >&2; fail "the program exited with $status"; }
  app=
}

start
# A first start centres the framed window at its design size, 701 x 401
# inside, then raises it to 480 outer pixels, its top where centring put it.
ow=$((701 + fl + fr))
want="$(((1280 - ow) / 2)),$(((1024 - 401 - ft - fb) / 2)),$(((1280 - ow) / 2 + ow)),$(((1024 - 401 - ft - fb) / 2 + 480))"
[ "$outer" = "$want" ] || fail "the first start's outer frame is $outer, not $want"
# The language dialog sits in the middle of the 1280 x 1024 screen.
xdotool mousemove 585 483 click 1
sleep 0.5

# The grid as the board lays it out for the client area's size.
cell=$(( (width - 200) / 4 < (height - 70) / 4 ? (width - 200) / 4 : (height - 70) / 4 ))
gridx=$((left + (width - 4 * cell) / 2 + cell / 3))
gridy=$((top + (height - 60 - 4 * cell) / 2 + 60))
for col in 0 1 2; do
  xdotool mousemove $((gridx + cell * col + cell / 2)) $((gridy + cell / 2)) click 1
  sleep 0.2
done
xdotool mousemove $((left + 10)) $((top + 200))
sleep 0.3
import -window root "$work/shot.png"
yellow=0
for col in 0 1 2; do
  face=$(pixel $((gridx + cell * col + 8)) $((gridy + cell / 2)))
  [ "$face" = "255,255,0" ] && yellow=$((yellow + 1))
  [ "$face" = "255,255,0" ] || [ "$face" = "255,255,255" ] || fail "card $col shows $face"
done
# Three yellow cards, or none when the three formed a SET and were replaced.
[ "$yellow" = 3 ] || [ "$yellow" = 0 ] || fail "$yellow of three picked cards are yellow"
[ "$(pixel $((left + 300)) $((top + 10)))" != "0,0,0" ] || fail "the header is not painted"

# The rules stay open while the program is quit.
xdotool mousemove $((left + width - 104 + 25)) $((top + 4 + 25)) click 1
find_window 'Spielregeln' >/dev/null || fail "no rules window"
sleep 0.3
quit

[ -f "$ini" ] || fail "no settings file"
for key in sound music hint tongue backmode MainForm; do
  grep -q "^$key=" "$ini" || fail "no $key in the settings"
done
grep -q '^tongue=1$' "$ini" || fail "the chosen language was not stored"

# Twenty starts from a stored placement on a busy machine (two busy loops
# beside the program): each restores the outer frame exactly and leaves the
# stored placement as it was.
sed -i 's/^MainForm=.*/MainForm="200,0,1,150,100,1000,700"/' "$ini"
busy() { while :; do :; done; }
busy & busy1=$!
busy & busy2=$!
trap 'kill $busy1 $busy2 2>/dev/null || true; cleanup' EXIT
for cycle in $(seq "${CYCLES:-20}"); do
  start
  [ "$outer" = "150,100,1000,700" ] || fail "start $cycle: the outer frame is $outer"
  quit
  [ "$(stored)" = "150,100,1000,700" ] || fail "start $cycle: stored $(stored)"
done
kill $busy1 $busy2 2>/dev/null || true
echo "real window check passed ($manager)"
