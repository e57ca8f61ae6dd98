#!/usr/bin/env bash
# Runs the whole-session test and the keyboard player's tests under a real
# Wayland compositor: weston's headless backend, with Qt's Wayland platform.
# The program must live through it all and end cleanly.
# With the real program and the desktop entry's name, it also checks that
# the program's window carries that name as its app id.
set -euo pipefail
tests=$1
program=${2:-}
app_id=${3:-}
command -v weston >/dev/null || { echo "SKIPPED: weston is not installed"; exit 0; }
plugins=$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland*' 2>/dev/null | head -1)
[ -n "$plugins" ] || { echo "SKIPPED: Qt's Wayland platform (qt6-wayland) is not installed"; exit 0; }

. "$(dirname "$0")/../xvfb.sh" # for end_with_check
work=$(mktemp -d)
cleanup() {
  [ -n "${compositor:-}" ] && kill "$compositor" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
socket=trivolo-test
weston --backend=headless-backend.so --use-pixman --socket=$socket --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
compositor=$!
end_with_check "$compositor"
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log" >&2; echo "FAIL: weston did not start" >&2; exit 1; }

# The sanitizer build leaves leak checks to the same session run headless:
# the Wayland client libraries and the plugins they unload keep allocations
# that the program cannot free and that have no name to suppress.
# The headless compositor has no seat, and Qt's Wayland text input then
# fails on the first key into a text box; the compose input method stands
# in for it, as on a desktop without an input method.
status=0
env -u DISPLAY QT_IM_MODULE=compose QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  "$tests" --gtest_filter='*AWholeSessionThroughTheWidgets*:*KeyboardAlone*:*AHeldKeyActsOnce*:*AnsweredWithTabAndSpace*:Balloon.ShowsNothingAroundItsShape' >"$work/log" 2>&1 || status=$?
if [ "$status" != 0 ] || grep -q 'Wayland connection experienced a fatal error' "$work/log"; then
  cat "$work/log" >&2
  echo "FAIL: the session under Wayland ended with $status" >&2
  exit 1
fi
grep -q '\[  PASSED  \] 5 tests' "$work/log" || { cat "$work/log" >&2; echo "FAIL: the session and keyboard tests did not all run" >&2; exit 1; }
echo "Wayland session passed"

[ -n "$program" ] || exit 0
mkdir -p "$work/config/Mollberg/Trivolo"
printf '[common]\ntongue=0\nmusic=0\n' >"$work/config/Mollberg/Trivolo/V2.ini"
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket WAYLAND_DEBUG=1 SDL_AUDIODRIVER=dummy \
  XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS=detect_leaks=0 "$program" >"$work/program.log" 2>&1 &
app=$!
for _ in $(seq 100); do grep -q 'xdg_toplevel@[0-9]*\.set_app_id' "$work/program.log" && break; sleep 0.1; done
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
shown=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$work/program.log" | head -1)
[ "$shown" = "$app_id" ] || { echo "FAIL: the window's app id is '$shown', the desktop entry is $app_id.desktop" >&2; exit 1; }
echo "app id $shown = the desktop entry's name"
