# Sourced by the checks that run the program in a virtual X display:
# start_xvfb [SCREEN] starts Xvfb on a random display (its screen 1280x1024x24
# unless given), exports DISPLAY and waits until the server answers. $xvfb
# holds its process, for the caller's cleanup.
# start_manager MANAGER starts openbox on it when MANAGER is "openbox" (and
# skips the check when it is not installed); $wm holds its process.
# make_work makes the check's temporary folder $work, with a settings
# folder and a private runtime folder in it, and at exit removes it and ends
# the processes held in $app, $wm and $xvfb.
start_xvfb() {
  local display=":$((90 + RANDOM % 800))"
  Xvfb "$display" -screen 0 "${1:-1280x1024x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}

start_manager() {
  [ "$1" = openbox ] || return 0
  command -v openbox >/dev/null || { echo "SKIPPED: openbox is not installed"; exit 0; }
  openbox >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
}

make_work() {
  work=$(mktemp -d)
  mkdir -p "$work/config/Mollberg/Trivolo"
  mkdir -m 700 "$work/runtime"
  trap 'for process in ${app:-} ${wm:-} ${xvfb:-}; do kill "$process" 2>/dev/null || true; done; rm -rf "$work"' EXIT
}
