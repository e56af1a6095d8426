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

# How long one run of the game may take: generous, because make test runs the
# journeys side by side with a build, and a --no-pacing run takes what CPU it gets.
RUN_TIMEOUT=${CHROMAL_RUN_TIMEOUT:-240}

# need_data FILE: the generated data must be there; a run without it proves nothing.
need_data() { [ -f "$1" ] || fail "no generated data ($1): build the data first"; }

# Colours of the test screen.
BG=000080; RED=ff0000; GREEN=00ff00; ORANGE=ff8000; CYAN=00ffff
YELLOW=ffff00; MAGENTA=ff00ff; WHITE=ffffff

# probe FILE X Y RRGGBB...: the picture's pixels must have these colours.
probe() { "$PROBE" "$@" || fail "colours of $1"; }

# expect_colour FILE X0 Y0 X1 Y1 RRGGBB TOLERANCE MIN WHAT: at least MIN pixels
# of the region (X1, Y1 excluded) have the colour; expect_few ... MAX WHAT:
# fewer than MAX.
expect_colour() { count_colour -ge "at least" "$@"; }
expect_few() { count_colour -lt "fewer than" "$@"; }
count_colour() {
  local n
  n=$("$PROBE" "$3" count "$4" "$5" "$6" "$7" "$8" "$9") || fail "cannot probe $3"
  [ "$n" "$1" "${10}" ] || fail "${11} ($n pixels of $8 in $4,$5-$6,$7 of $(basename "$3"), wanted $2 ${10})"
}

# expect_changed FILE OTHER X0 Y0 X1 Y1 MIN WHAT [DX DY]: at least MIN pixels of
# the region differ between the two pictures (OTHER's region moved by DX, DY).
expect_changed() {
  local n
  n=$("$PROBE" "$1" changed "$2" "$3" "$4" "$5" "$6" 24 "${9:-0}" "${10:-0}") || fail "cannot compare $1 with $2"
  [ "$n" -ge "$7" ] || fail "$8 ($n pixels changed in $3,$4-$5,$6 from $(basename "$1") to $(basename "$2"), wanted $7)"
}

# Checks the clean-shutdown line of the log in a per-user folder.
expect_closed_log() {
  [ "$(cat "$1/game.log" 2>/dev/null)" = "Closing Log" ] || fail "log in $1 is '$(cat "$1/game.log" 2>/dev/null)'"
}

# replay USER-DIR SCRIPT WHAT [OPTIONS...]: an unpaced run of the game on
# $DATA driven by SCRIPT (seed 3 unless OPTIONS give another); it must exit 0.
replay() {
  timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$1" --data "$DATA" --windowed --no-pacing --seed 3 --replay "$2" "${@:4}" \
    2>/dev/null || fail "$3: exit code $?"
}

# click FRAME X Y: replay lines that move to a point and click there.
click() { echo "$1 move $2 $3"; echo "$(($1 + 1)) ldown $2 $3"; echo "$(($1 + 2)) lup $2 $3"; }

# opening: replay lines past a level's opening: the intro cut short and the
# hints closed by clicks at the corner, by frame 400.
opening() {
  local f
  for f in 60 120 160 200 240 280 320 360 400; do echo "$f ldown 790 590"; echo "$f lup 790 590"; done
}

# start_game ARGS...: the game in the background, its process in $pid and its
# window's id in $id.
start_game() {
  "$CHROMAL" "$@" &
  pid=$!
  id=$(wait_window) || { kill $pid; fail "no window"; }
}
# start_active ARGS...: start_game, then the window given the focus once it is up.
start_active() { start_game "$@" && sleep 0.5 && xdotool windowactivate --sync "$id" 2>/dev/null; }

# drag_window X Y WHAT: the left button pressed at the client pixel (X, Y) of
# the window $id and the pointer dragged 50 right and 30 down: the window must
# have come along (its place is left in X and Y).
drag_window() {
  local x0 y0 step
  eval "$(xdotool getwindowgeometry --shell "$id")"
  x0=$X y0=$Y
  xdotool mousemove $((x0 + $1)) $((y0 + $2)) mousedown 1
  sleep 0.2 # the press takes its anchor from the live pointer
  for step in 1 2 3 4 5; do xdotool mousemove $((x0 + $1 + step * 10)) $((y0 + $2 + step * 6)); sleep 0.1; done
  xdotool mouseup 1
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ $((X - x0)) -eq 50 ] && [ $((Y - y0)) -eq 30 ] || { kill $pid; fail "$3 moved the window from $x0,$y0 to $X,$Y"; }
}

# hidden ID: the window is minimised.
hidden() { xprop -id "$1" _NET_WM_STATE WM_STATE 2>/dev/null | grep -q -e HIDDEN -e Iconic; }

# expect_exit PID WHAT: the program ends within ten seconds and cleanly.
expect_exit() {
  for _ in $(seq 1 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && { kill "$1"; fail "$2 did not end the program"; }
  wait "$1" || fail "exit code $?"
}

# Saved games one move from the end of a level: base_save [SET LEVEL] makes a
# real save of it (classic level 2 unless told; sets TOOL, KEY, the board's
# shape and x, the free flower right of the human's home); craft_save MODE
# LIVES MONEY USER-DIR [FILL] rewrites its board (see new_board).
base_save() {
  TOOL="$BUILD_DIR/tools/chromal-tool" KEY='slotstate@#&' BASE_SET=${1:-classic} BASE_LEVEL=${2:-2}
  timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/base" --data "$DATA" --windowed --no-pacing --seed 3 \
    --play "$BASE_SET:$BASE_LEVEL" --frames 60 2>/dev/null || fail "saving run: exit code $?"
  "$TOOL" decipher --key "$KEY" "$WORK/base/saved_demo.dat" > "$WORK/plain.txt" || fail "no saved game"
  board_shape "$BASE_SET" $((BASE_LEVEL - 1))
  x=$(awk -v c="$columns" 'BEGIN { w = 776 / c; printf "%d", 12 + w * 1.5 }')
}
craft_save() {
  mkdir -p "$4"
  new_board "$1" "$WORK/plain.txt" "${5:-00}" | sed -e "s/^gamedata.playermoney .*/gamedata.playermoney $3/" \
    -e "s/^gamedata.playerlifes .*/gamedata.playerlifes $2/" -e 's/^gamedata.totalscore .*/gamedata.totalscore 40/' \
    -e '/^stats\./d' > "$WORK/crafted.txt" # a crafted game brings no statistics of its own
  grep -q "^gamedata.level_num $((BASE_LEVEL - 1))\$" "$WORK/crafted.txt" \
    || fail "base save not at level $BASE_LEVEL: $(grep level_num "$WORK/crafted.txt")"
  "$TOOL" encipher --key "$KEY" "$WORK/crafted.txt" "$4/saved_demo.dat" || fail "cannot write the save"
}
# board_shape SET LEVEL: the board's $rows and $columns, and the human's
# $home, the first flower of the middle row.
board_shape() {
  local r
  read -r rows columns < <("$TOOL" board --data "$DATA" --set "$1" --level "$2" \
    | awk '/^rows/{r=$2} /^columns/{c=$2} END{print r, c}')
  home=0
  for ((r = 0; r < rows / 2; r++)); do home=$((home + columns - rows / 2 + r)); done
}
# new_board MODE SAVE FILL: the clear SAVE with its board repainted for
# board_shape's $home and $columns; holes stay holes, coins go. lose: all the
# rival's colour 1 but the home (2) and its right-hand neighbour (3); win: all
# colour FILL but the two homes (2 and 1); coin: as win with FILL 3, but the
# flower right of the human's home in colour 0 with a dollar coin on it.
new_board() {
  awk -v home="$home" -v rival=$((home + columns - 1)) -v mode="$1" -v fill="$3" '
  /^gamedata.fieldstate / {
    s = $0; sub(/^gamedata.fieldstate "/, "", s); sub(/"$/, "", s)
    n = split(s, t, " "); out = t[1]; cell = 0
    for (i = 2; i <= n; ) {
      # Holes, and holes over a hidden flower ("51 CC", "61 CC KK"), stay holes.
      if (t[i] == "50" || t[i] == "51" || t[i] == "61") { out = out " 50"; i += t[i] == "50" ? 1 : t[i] == "51" ? 2 : 3 }
      else {
        if (mode == "lose") c = cell == home ? "02" : cell == home + 1 ? "03" : "01"
        else if (mode == "coin" && cell == home + 1) c = "60 00 04"
        else c = cell == home ? "02" : cell == rival ? "01" : fill
        out = out " " c; i += (t[i] == "60") ? 3 : 1
      }
      cell++
    }
    print "gamedata.fieldstate \"" out " \""; next }
  { print }' "$2"
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
  timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$BUILD_DIR/data" --user-dir "$WORK/menu-ref" "${MENU_SHOT_ARGS[@]}" \
    --screenshot "$ref" 2>/dev/null || fail "the build tree's game exited with $?"
  mkdir -p "$WORK/menu-empty"
  timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$WORK/menu-empty" --user-dir "$WORK/menu-nodata" "${MENU_SHOT_ARGS[@]}" \
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

# same_shots DIR OTHER TOLERANCE WHAT: every picture in DIR has a twin in
# OTHER within TOLERANCE per channel. Prints how many have; names on standard
# error each that has not, and then returns 1.
same_shots() {
  local shot name count=0 differ=0
  for shot in "$1"/*.png; do
    [ -e "$shot" ] || continue
    name=$(basename "$shot")
    if "$PROBE" "$shot" same "$2/$name" "$3" >/dev/null 2>&1; then count=$((count + 1)); continue; fi
    echo "DIFFERS: $name from its $4 twin: $("$PROBE" "$shot" same "$2/$name" "$3" 2>&1 | head -1)" >&2
    differ=$((differ + 1))
  done
  echo "$count"
  [ "$differ" -eq 0 ]
}
