# Sourced by the checks that run the program in a virtual X display:
# start_xvfb [SCREEN] starts Xvfb on a display that the server picks among
# the free ones (its screen 1280x1024x24 unless given), exports DISPLAY and
# waits until the server answers. $xvfb holds its process, for the caller's
# cleanup.
# start_manager MANAGER starts openbox on it when MANAGER is "openbox" (and
# skips the check when it is not installed); $wm holds its process.
# end_with_check PID... ends those processes once the check's shell has
# ended, however it ended (a timeout's kill included); the servers and the
# window manager are watched so.
# make_work makes the check's temporary folder $work, with a settings
# folder and a private runtime folder in it, and at exit removes it and ends
# the processes held in $app, $wm and $xvfb.
end_with_check() {
  local check=$$
  (
    trap '' HUP INT TERM
    while kill -0 "$check" 2>/dev/null; do sleep 0.5; done
    kill "$@" 2>/dev/null
  ) </dev/null >/dev/null 2>&1 &
}

start_xvfb() {
  local number
  number=$(mktemp)
  # The server writes its display's number once it takes connections.
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
  xvfb=$!
  end_with_check "$xvfb"
  for _ in $(seq 100); do [ "$(wc -l <"$number")" -ge 1 ] && break; sleep 0.1; done
  [ "$(wc -l <"$number")" -ge 1 ] || { rm -f "$number"; echo "FAIL: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n 1 "$number")"
  rm -f "$number"
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

start_manager() {
  [ "$1" = openbox ] || return 0
  command -v openbox >/dev/null || { echo "SKIPPED: openbox is not installed"; exit 0; }
  openbox >/dev/null 2>&1 &
  wm=$!
  end_with_check "$wm"
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}

make_work() {
  work=$(mktemp -d)
  mkdir -p "$work/config/Mollberg/Trivolo"
  mkdir -m 700 "$work/runtime"
  trap 'for process in ${app:-} ${wm:-} ${xvfb:-}; do kill "$process" 2>/dev/null || true; done; rm -rf "$work"' EXIT
}
