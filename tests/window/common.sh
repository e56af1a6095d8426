# Shared by the real-window tests: sourced with BUILD_DIR and SOURCE_DIR set.
set -uo pipefail
CHROMAL="$BUILD_DIR/chromal"
PROBE="$BUILD_DIR/tests/png-probe"
WORK=$(mktemp -d /tmp/chromal-window.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY: run under scripts/with-xvfb"; exit 1; }

fail() { echo "FAIL: $*"; exit 1; }

# Colours of the test screen.
BG=000080; RED=ff0000; GREEN=00ff00; ORANGE=ff8000; CYAN=00ffff
YELLOW=ffff00; MAGENTA=ff00ff; WHITE=ffffff

# probe FILE X Y RRGGBB...: the picture's pixels must have these colours.
probe() { "$PROBE" "$@" || fail "colours of $1"; }

# Checks the clean-shutdown line of the log in a per-user folder.
expect_closed_log() {
  [ "$(cat "$1/game.log" 2>/dev/null)" = "Closing Log" ] || fail "log in $1 is '$(cat "$1/game.log" 2>/dev/null)'"
}

# Waits for the game's window and prints its id.
wait_window() {
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name '^Chromal$' 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
