#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program: in a virtual X
# display at scale 1 and at scale 2 (a 200 % screen), with the colours that
# are easy to tell apart, the statistics window, and under a Wayland
# compositor (weston's headless backend).
#   tools/take_screenshots.sh build/app/trivolo docs
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
work=$(mktemp -d)
. "$(dirname "$0")/../tests/xvfb.sh"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy

settings() {
  mkdir -p "$work/config/Mollberg/Trivolo"
  printf '[common]\ntongue=0\nMainForm="200,0,1,%s"\n%s\n' "$1" "${2:-}" >"$work/config/Mollberg/Trivolo/V2.ini"
}
stop() {
  kill "$app" "$server" 2>/dev/null || true
  wait "$app" "$server" 2>/dev/null || true
  app= server=
}

# X at scale 1 and 2: the main window, then the options over it.
for scale in 1 2; do
  start_xvfb 1600x1200x24
  server=$xvfb
  # Logical pixels: the client area 701 x 480 at the screen's top left.
  settings "0,0,701,480"
  env -u QT_QPA_PLATFORM QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
  app=$!
  until xdotool search --onlyvisible --name '^Trivolo V2.1$' >/dev/null 2>&1; do sleep 0.1; done
  sleep 1.5
  xdotool mousemove 1590 1190
  sleep 0.3
  crop="$((701 * scale))x$((480 * scale))+0+0"
  name=$([ "$scale" = 1 ] && echo mainform || echo mainform-scale2)
  import -window root -crop "$crop" +repage "$out/$name.png"
  if [ "$scale" = 1 ]; then
    # The options button sits 208 pixels from the right edge.
    xdotool mousemove $((701 - 208 + 25)) 29 click 1
    sleep 0.8
    xdotool mousemove 1590 1190
    sleep 0.6
    import -window root -crop "$crop" +repage "$out/options.png"
  fi
  stop
done

# X at scale 1 with the colours that are easy to tell apart.
start_xvfb 1600x1200x24
server=$xvfb
settings "0,0,701,480" "palette=1"
env -u QT_QPA_PLATFORM "$program" >/dev/null 2>&1 &
app=$!
until xdotool search --onlyvisible --name '^Trivolo V2.1$' >/dev/null 2>&1; do sleep 0.1; done
sleep 1.5
xdotool mousemove 1590 1190
sleep 0.3
import -window root -crop 701x480+0+0 +repage "$out/mainform-easy-colours.png"
stop

# The statistics (key T) over the main window, after a game of 24 SETs.
start_xvfb 1600x1200x24
server=$xvfb
settings "0,0,701,480" "[stats]
played=12
abandoned=3
sets=291
seconds=6920
bestscore=912
fastest=431
bestpace=181
hints=9
mixes=4
last=1 563 1 1 0 618 9 2 14:51:81:21:1 23:58:28:7:1 45:39:4:80:1 76:52:1:67:1 84:13:31:76:1 101:26:54:79:1 146:40:17:66:1 158:59:68:77:1 184:36:15:75:1 203:34:56:6:1 214:48:37:29:1 252:49:44:30:1 275:72:32:19:1 282:65:33:25:1 311:3:18:24:1 327:71:38:14:1 379:8:73:42:1 400:60:10:53:1 413:16:50:57:1 447:22:55:43:1 465:61:9:35:1 492:20:47:74:1 533:12:69:45:1 557:78:62:64:1"
env -u QT_QPA_PLATFORM "$program" >/dev/null 2>&1 &
app=$!
until xdotool search --onlyvisible --name '^Trivolo V2.1$' >/dev/null 2>&1; do sleep 0.1; done
sleep 1.5
# Without a window manager the keys go to the window under the pointer.
xdotool mousemove 350 300 key t
sleep 1
xdotool mousemove 1590 1190
sleep 0.5
# The dialog, 600 x 470, centred over the window's client area.
import -window root -crop 600x470+50+5 +repage "$out/statistics.png"
stop

# Wayland: the compositor decides where the window goes; the whole output.
socket=trivolo-shot
weston --debug --backend=headless-backend.so --use-pixman --socket=$socket --width=1024 --height=640 >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
settings "0,0,701,480"
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket "$program" >/dev/null 2>&1 &
app=$!
sleep 2.5
(cd "$work" && WAYLAND_DISPLAY=$socket weston-screenshooter >/dev/null 2>&1)
mv "$work"/wayland-screenshot-*.png "$out/wayland.png"
stop
