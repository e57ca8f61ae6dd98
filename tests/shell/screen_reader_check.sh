#!/usr/bin/env bash
# Runs the real program under a virtual X display with its own session and
# accessibility buses, and reads it from outside through AT-SPI as a screen
# reader would (screen_reader_check.py).
set -euo pipefail
program=$1 # the program, the language it speaks (en or fr), and optionally the shell tests
language=${2:-en}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb.sh"
. "$here/../atspi.sh"
require_atspi
make_work
other=
[ "$language" = en ] || other="language=$language\n"
printf "[common]\ntongue=0\n${other}music=false\n" >"$work/config/Mollberg/Trivolo/V2.ini"
start_xvfb

export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 ASAN_OPTIONS=detect_leaks=0
unset QT_QPA_PLATFORM
# One session bus for the program and the reader; the accessibility bus is
# started on it when first asked for.
# Then the events of a pick and of the keyboard's frame, recorded inside
# the test program, which needs the accessibility bus running beforehand.
dbus-run-session -- bash -c '
  "$1" >"$2/log" 2>&1 &
  app=$!
  status=0
  /usr/bin/python3 "$3/screen_reader_check.py" "$5" || status=$?
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null || true
  [ "$status" = 0 ] || { cat "$2/log"; exit "$status"; }
  [ -n "$4" ] || exit 0
  QT_QPA_PLATFORM=xcb "$4" --gtest_filter="*PicksAndTheFrameAreAnnounced*" >"$2/events" 2>&1 || status=$?
  grep -q "^\[       OK \]" "$2/events" || { cat "$2/events"; echo "FAIL: the events of a pick and of the frame"; exit 1; }
  echo "the events of a pick and of the frame: passed"
  exit "$status"
' check "$program" "$work" "$here" "${3:-}" "$language"
