#!/usr/bin/env bash
# Measures the real program under Xvfb: time from exec to the main window
# being mapped, resident memory 3 s after start with music on and off, and
# CPU time over 30 s of idling with the game clock running.
#   bench/startup.sh build/app/trivolo
set -euo pipefail
program=${1:-build/app/trivolo}
work=$(mktemp -d)
display=":$((90 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM

settings() {
  mkdir -p "$work/config/Mollberg/Trivolo"
  printf '[common]\ntongue=0\nmusic=%s\n' "$1" >"$work/config/Mollberg/Trivolo/V2.ini"
}

# Starts the program; sets pid and ms (until its window is mapped).
start() {
  local begin end
  begin=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name '^Trivolo V2.1$' >/dev/null 2>&1; do sleep 0.01; done
  end=$(date +%s%N)
  ms=$(((end - begin) / 1000000))
}

stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

rss_kib() { awk '/VmRSS/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

for music in 1 0; do
  settings $music
  times=()
  for _ in 1 2 3 4 5; do
    start
    times+=("$ms")
    stop
  done
  start
  sleep 3
  echo "music=$music: mapped after ${times[*]} ms; resident after 3 s: $(( $(rss_kib "$pid") / 1024 )) MiB"
  if [ "$music" = 0 ]; then
    # Start the clock with a press on the board, then idle.
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Trivolo V2.1$' | head -1)")"
    xdotool mousemove $((X + 20)) $((Y + 200)) click 1
    before=$(cpu_ticks "$pid")
    sleep 30
    after=$(cpu_ticks "$pid")
    echo "idle with the clock running: $(( (after - before) * 10 )) ms CPU in 30 s"
  fi
  stop
done
