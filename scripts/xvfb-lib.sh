# Sourced by scripts/with-xvfb and the window tests. start_xvfb [SCREEN]
# starts a private Xvfb server (default screen 1024x768x24) with openbox, so
# that full-screen requests are honoured, and exports DISPLAY; stop_xvfb ends
# both. Each caller gets a server of its own (Xvfb picks a free display
# itself), so tests that move the pointer can run side by side.
start_xvfb() {
  local screen=${1:-1024x768x24} number="" fdfile
  fdfile=$(mktemp /tmp/chromal-xvfb.XXXXXX)
  Xvfb -displayfd 3 -screen 0 "$screen" -noreset -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 200); do
    number=$(cat "$fdfile" 2>/dev/null)
    [ -n "$number" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  rm -f "$fdfile"
  if [ -z "$number" ]; then
    echo "start_xvfb: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
  if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    # Windows mapped while openbox is still starting can miss their map
    # notification; wait until it has announced itself.
    for _ in $(seq 1 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.05
    done
    sleep 0.2
  fi
}

stop_xvfb() {
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  WM_PID="" XVFB_PID=""
}
