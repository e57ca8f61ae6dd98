#!/usr/bin/env bash
# Measures the real program under Xvfb against the floor of any Qt program,
# an empty window (build/bench/minimal_window), run interleaved round by
# round: when each window is mapped and when the screen last changed (its
# first stable frame, opening effect included), with music off and on; the
# resident memory 3 s after start; and, with music off, CPU time and
# wake-ups of each of the program's threads over the first 30 s (the clock
# started by a press 3 s in) and the 30 s after.
#   bench/startup.sh build [ROUNDS]
set -euo pipefail
build=${1:-build}
rounds=${2:-9}
program=$build/app/trivolo
minimal=$build/bench/minimal_window
watch=$build/bench/frame_watch
work=$(mktemp -d)
. "$(dirname "$0")/../tests/xvfb.sh"
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
start_xvfb
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
unset QT_QPA_PLATFORM

settings() {
  mkdir -p "$work/config/Mollberg/Trivolo"
  printf '[common]\ntongue=0\nmusic=%s\n' "$1" >"$work/config/Mollberg/Trivolo/V2.ini"
}

# Rounds of: the empty window, the game with music off, with music on.
for round in $(seq "$rounds"); do
  read -r mm ms < <("$watch" Minimal 2 "$minimal")
  settings 0
  read -r om os < <("$watch" 'Trivolo V2.1' 3 "$program")
  settings 1
  read -r nm ns < <("$watch" 'Trivolo V2.1' 3 "$program")
  echo "$mm $ms $om $os $nm $ns" >>"$work/rounds"
done

# Medians of each column and of the per-round ratios to the empty window.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { awk -v c="$1" '{ print $c }' "$work/rounds" | median; }
ratio() { awk -v a="$1" -v b="$2" '{ printf "%.2f\n", $a / ($b > 0 ? $b : 1) }' "$work/rounds" | median; }
echo "medians of $rounds interleaved rounds (ms from exec; ratio to the empty window, paired per round):"
printf '%-22s %8s %8s %12s %8s\n' "" mapped ratio "stable frame" ratio
printf '%-22s %8s %8s %12s %8s\n' "empty Qt window" "$(column 1)" 1 "$(column 2)" 1
printf '%-22s %8s %8s %12s %8s\n' "Trivolo, music off" "$(column 3)" "$(ratio 3 1)" "$(column 4)" "$(ratio 4 2)"
printf '%-22s %8s %8s %12s %8s\n' "Trivolo, music on" "$(column 5)" "$(ratio 5 1)" "$(column 6)" "$(ratio 6 2)"

rss_mib() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
cpu_ms() { awk '{ print ($14 + $15) * 10 }' "/proc/$1/stat"; }
# "thread-id name switches" for every thread of the process.
switches() {
  for task in /proc/"$1"/task/*; do
    echo "${task##*/} $(tr ' ' _ <"$task/comm") $(awk '/ctxt_switches/ { n += $2 } END { print n }' "$task/status")"
  done
}
start() {
  "$@" >/dev/null 2>&1 &
  pid=$!
  sleep 3
}
stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

start "$minimal"
echo "resident 3 s after start: empty Qt window $(rss_mib "$pid") MiB"
stop
for music in 0 1; do
  settings $music
  start "$program"
  echo "resident 3 s after start: Trivolo, music $([ $music = 1 ] && echo on || echo off) $(rss_mib "$pid") MiB"
  if [ "$music" = 0 ]; then
    # The first 30 s: the program was started 3 s ago (its start-up is
    # counted whole); the clock starts with a press on the board (its click
    # opens the sound device, which closes again after four silent seconds).
    switches "$pid" >"$work/at3"
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Trivolo V2.1$' | head -1)")"
    xdotool mousemove $((X + 20)) $((Y + 200)) click 1
    sleep 27
    cpu=$(cpu_ms "$pid")
    switches "$pid" >"$work/at30"
    sleep 30
    switches "$pid" >"$work/at60"
    # Threads that ended in between are left out; new ones count whole.
    rates() { awk -v s="$3" 'NR == FNR { before[$1] = $3; next } { n = $3 - before[$1]; printf "  %-16s %.1f\n", $2, n / s }' "$1" "$2"; }
    echo "music off, clock running, wake-ups per second by thread, from 3 s to 30 s after start:"
    rates "$work/at3" "$work/at30" 27
    echo "idle from 30 s to 60 s: $(($(cpu_ms "$pid") - cpu)) ms CPU; wake-ups per second by thread:"
    rates "$work/at30" "$work/at60" 30
  fi
  stop
done
