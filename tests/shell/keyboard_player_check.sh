#!/usr/bin/env bash
# Plays the real program by keys alone, in real X windows with or without a
# window manager ("bare" or "openbox"), or as a Wayland client ("wayland":
# weston running in the X display, which hands it the display's keyboard),
# and reads it through AT-SPI as a screen reader does
# (keyboard_player_check.py). Afterwards the settings must hold what the
# player chose.
set -euo pipefail
program=$1
manager=${2:-bare}
# The desktop's language: en, or fr (whose player takes the question's third
# answer and must read everything in French).
language=${3:-en}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb.sh"
. "$here/../atspi.sh"
require_atspi
make_work
fail() { echo "FAIL ($manager): $*" >&2; exit 1; }

start_xvfb
# Keys held down repeat, as on every desktop.
xset r on
echo "autorepeat: $(xset q | sed -n 's/.*auto repeat:  *\([a-z]*\).*/\1/p')"
if [ "$manager" = wayland ]; then
  command -v weston >/dev/null || { echo "SKIPPED: weston is not installed"; exit 0; }
  find /usr/lib -path '*qt6/plugins/platforms/libqwayland*' 2>/dev/null | grep -q . \
    || { echo "SKIPPED: Qt's Wayland platform (qt6-wayland) is not installed"; exit 0; }
  XDG_RUNTIME_DIR="$work/runtime" weston --backend=x11-backend.so --use-pixman --socket=trivolo-keys \
    --width=1200 --height=950 >"$work/weston.log" 2>&1 &
  wm=$!
  end_with_check "$wm"
  for _ in $(seq 50); do [ -S "$work/runtime/trivolo-keys" ] && break; sleep 0.1; done
  [ -S "$work/runtime/trivolo-keys" ] || { cat "$work/weston.log"; fail "weston did not start"; }
  # The keys go to the window under the pointer: weston's.
  xdotool mousemove 600 500
  export RUN_WAYLAND=trivolo-keys
else
  start_manager "$manager"
fi

ini="$work/config/Mollberg/Trivolo/V2.ini"
# No language yet: the question comes first. No music, to keep it quiet.
printf '[common]\nmusic=0\n' >"$ini"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 ASAN_OPTIONS=detect_leaks=0
unset QT_QPA_PLATFORM
[ "$language" = en ] || export LANGUAGE="$language"
dbus-run-session -- bash -c '
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
  if [ -n "${RUN_WAYLAND:-}" ]; then
    env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$RUN_WAYLAND" "$1" >"$2/log" 2>&1 &
  else
    "$1" >"$2/log" 2>&1 &
  fi
  app=$!
  status=0
  /usr/bin/python3 "$3/keyboard_player_check.py" "$4" || status=$?
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then
    kill "$app"; echo "FAIL: the program did not quit"; status=1
  else
    wait "$app" || { echo "FAIL: the program ended with $?"; status=1; }
  fi
  [ "$status" = 0 ] || cat "$2/log"
  exit "$status"
' check "$program" "$work" "$here" "$language" || fail "see above"

grep -q '^tongue=0' "$ini" || fail "the language answered by keys was not stored"
if [ "$language" = en ]; then
  ! grep -q '^language=' "$ini" || fail "English stored a further language"
else
  grep -q "^language=$language\$" "$ini" || fail "the language answered by keys was not stored"
fi
grep -q '^backmode=1' "$ini" || fail "the background changed by keys was not stored"
grep -q '^hs0=' "$ini" || fail "the name entered by keys was not stored"
stats=$(sed -n '/^\[stats\]/,/^\[/p' "$ini")
grep -qx 'played=1' <<<"$stats" || fail "the game played to its end was not counted"
grep -qx 'sets=2[0-9]' <<<"$stats" || fail "the SETs taken were not counted: $(grep '^sets=' <<<"$stats")"
echo "keyboard player ($manager, $language) passed"
