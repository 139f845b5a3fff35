# Sourced: start_xvfb <work dir> starts an Xvfb display of the caller's own (Xvfb picks a
# free number and writes it to a file), exports DISPLAY and sets xvfb_pid, so that the
# caller stops exactly what it started.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$1/display")"
}
