#!/usr/bin/env bash
# The real program answers --help and --version, and refuses an unknown
# option, at once: without a display to connect to and without opening the
# sound device (SDL's disk driver would create its file).
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/sound" \
    XDG_CONFIG_HOME="$work/config" timeout 10 "$program" "$@" >"$work/out" 2>"$work/err"
}
#     arguments      exit  first line of stdout            first line of stderr
while IFS='|' read -r arguments code out err; do
  status=0
  # shellcheck disable=SC2086 # the arguments are words
  run $arguments || status=$?
  [ "$status" = "$code" ] || fail "'$arguments' ended with $status, not $code: $(cat "$work/err")"
  [ "$(head -1 "$work/out")" = "$out" ] || fail "'$arguments' printed '$(head -1 "$work/out")'"
  [ "$(head -1 "$work/err")" = "$err" ] || fail "'$arguments' said '$(head -1 "$work/err")' on stderr"
  [ ! -e "$work/sound" ] || fail "'$arguments' opened the sound device"
  [ ! -e "$work/config" ] || fail "'$arguments' wrote settings"
  echo "'$arguments': $status"
done <<'TABLE'
--help|0|Usage: trivolo [options]|
-h|0|Usage: trivolo [options]|
--version|0|trivolo 2.1|
-v|0|trivolo 2.1|
--bogus|2||trivolo: Unknown option 'bogus'.
extra|2||trivolo: Unexpected argument 'extra'.
TABLE
