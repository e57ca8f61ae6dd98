# Sourced by the checks that run the program in a virtual X display:
# start_xvfb starts Xvfb on a random display, exports DISPLAY and waits until
# the server answers. $xvfb holds its process, for the caller's cleanup.
start_xvfb() {
  local display=":$((90 + RANDOM % 800))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
}
