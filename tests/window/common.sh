# Shared by the real-window tests: sourced with BUILD_DIR and SOURCE_DIR set.
set -uo pipefail
CHROMAL="$BUILD_DIR/chromal"
PROBE="$BUILD_DIR/tests/png-probe"
WORK=$(mktemp -d /tmp/chromal-window.XXXXXX)
# Every test has an X server of its own, so the tests run side by side; a test
# sets ON_EXIT for clean-up of its own, and CHROMAL_XVFB_SCREEN before sourcing
# this for another screen size.
source "$SOURCE_DIR/scripts/xvfb-lib.sh"
ON_EXIT=""
# CHROMAL_KEEP_SHOTS=FOLDER keeps the screenshots for a look.
trap 'eval "$ON_EXIT"; stop_xvfb
      [ -n "${CHROMAL_KEEP_SHOTS:-}" ] && cp "$WORK"/*.png "$CHROMAL_KEEP_SHOTS"/ 2>/dev/null
      rm -rf "$WORK"' EXIT
start_xvfb "${CHROMAL_XVFB_SCREEN:-}" || exit 1

fail() { echo "FAIL: $*"; exit 1; }

# need_data FILE: the generated data must be there; a run without it proves nothing.
need_data() { [ -f "$1" ] || fail "no generated data ($1): build the data first"; }

# Colours of the test screen.
BG=000080; RED=ff0000; GREEN=00ff00; ORANGE=ff8000; CYAN=00ffff
YELLOW=ffff00; MAGENTA=ff00ff; WHITE=ffffff

# probe FILE X Y RRGGBB...: the picture's pixels must have these colours.
probe() { "$PROBE" "$@" || fail "colours of $1"; }

# expect_colour FILE X0 Y0 X1 Y1 RRGGBB TOLERANCE MIN WHAT: at least MIN pixels
# of the region (X1, Y1 excluded) have the colour.
expect_colour() {
  local n
  n=$("$PROBE" "$1" count "$2" "$3" "$4" "$5" "$6" "$7") || fail "cannot probe $1"
  [ "$n" -ge "$8" ] || fail "$9 ($n pixels of $6 in $2,$3-$4,$5 of $(basename "$1"), wanted $8)"
}

# expect_few FILE X0 Y0 X1 Y1 RRGGBB TOLERANCE MAX WHAT: fewer than MAX pixels
# of the region have the colour.
expect_few() {
  local n
  n=$("$PROBE" "$1" count "$2" "$3" "$4" "$5" "$6" "$7") || fail "cannot probe $1"
  [ "$n" -lt "$8" ] || fail "$9 ($n pixels of $6 in $2,$3-$4,$5 of $(basename "$1"), wanted fewer than $8)"
}

# expect_changed FILE OTHER X0 Y0 X1 Y1 MIN WHAT [DX DY]: at least MIN pixels of
# the region differ between the two pictures (OTHER's region moved by DX, DY).
expect_changed() {
  local n
  n=$("$PROBE" "$1" changed "$2" "$3" "$4" "$5" "$6" 24 "${9:-0}" "${10:-0}") || fail "cannot compare $1 with $2"
  [ "$n" -ge "$7" ] || fail "$8 ($n pixels changed in $3,$4-$5,$6 from $(basename "$1") to $(basename "$2"), wanted $7)"
}

# Flower colours of the generated skin: a drawn board shows every one of them.
FLOWERS="c83040 4070c0 e0c030 f5e0ea 8040a0 e08020"
# expect_board FILE X0 Y0 X1 Y1 WHAT: flowers of every colour in the region.
expect_board() {
  local colour
  for colour in $FLOWERS; do
    expect_colour "$1" "$2" "$3" "$4" "$5" "$colour" 40 2000 "$6"
  done
}

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

# The main menu as a started game draws it after a second; an installed game's
# picture must be the build tree's. Insects fly over the menu at random, so the
# pictures are compared at points of the title, the panel and the buttons, one
# of which an insect may cover; a run without data must differ at nearly all.
MENU_SHOT_ARGS=(--windowed --seed 3 --frames 60 --no-pacing)
expect_installed_menu() {
  local ref="$WORK/menu-reference.png" nodata="$WORK/menu-nodata.png" i colour
  timeout 60 "$CHROMAL" --data "$BUILD_DIR/data" --user-dir "$WORK/menu-ref" "${MENU_SHOT_ARGS[@]}" \
    --screenshot "$ref" 2>/dev/null || fail "the build tree's game exited with $?"
  mkdir -p "$WORK/menu-empty"
  timeout 60 "$CHROMAL" --data "$WORK/menu-empty" --user-dir "$WORK/menu-nodata" "${MENU_SHOT_ARGS[@]}" \
    --screenshot "$nodata" 2>/dev/null
  local points=(300 100 450 100 260 300 540 420 290 247 510 527 400 560) expected=()
  # png-probe names every pixel that is not the expected black.
  for ((i = 0; i < ${#points[@]}; i += 2)); do
    colour=$("$PROBE" "$ref" "${points[i]}" "${points[i + 1]}" 000000 | sed -n 's/.* is \([0-9a-f]*\),.*/\1/p')
    expected+=("${points[i]}" "${points[i + 1]}" "${colour:-000000}")
  done
  local count=$((${#points[@]} / 2))
  [ "$("$PROBE" "$1" "${expected[@]}" | grep -c expected)" -le 1 ] || fail "the installed game drew another menu"
  [ "$("$PROBE" "$nodata" "${expected[@]}" | grep -c expected)" -ge $((count - 1)) ] \
    || fail "a run without data draws the menu too: the comparison proves nothing"
}
