#!/usr/bin/env bash
# Without a session bus, the real program starts none of its own: no
# dbus-launch (and so no dbus-daemon) is left behind by a run.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb.sh"
command -v dbus-launch >/dev/null || { echo "SKIPPED: dbus-launch (dbus-x11) is not installed"; exit 0; }
make_work
launched() { pgrep -f -- 'dbus-launch --autolaunch' | sort; }
start_xvfb
printf '[common]\ntongue=0\nmusic=0\n' >"$work/config/Mollberg/Trivolo/V2.ini"
before=$(launched || true)
env -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
  SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 "$program" >"$work/log" 2>&1 &
app=$!
# Looked for until found: a search fails when a window vanishes under it
# (the opening effect's edges go while the main window stays).
found=
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Trivolo V' >/dev/null 2>&1 && { found=1; break; }; sleep 0.1; done
[ -n "$found" ] || { cat "$work/log"; echo "FAIL: no window"; exit 1; }
sleep 1
kill "$app"
wait "$app" 2>/dev/null || true
app=
after=$(launched || true)
if [ "$after" != "$before" ]; then
  pkill -f -- 'dbus-launch --autolaunch' || true
  echo "FAIL: the program started a session bus of its own (dbus-launch)"
  exit 1
fi
echo "no session bus started"
