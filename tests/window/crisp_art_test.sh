# Art made for the size it is shown at: the main menu, the help and a game
# with a bonus bought, played by clicks at an 800x600 window, a 1600x1200 one
# and full screen on a 1920x1080 screen. Each larger picture must be the
# 800x600 one in the same place (its brightness, stretched into the window,
# barely differs) and sharper than that stretch where the detailed set shows
# (above 1.25 times), as sharp where it does not; resizing switches the set.
BUILD_DIR=$1 SOURCE_DIR=$2
CHROMAL_XVFB_SCREEN=1024x768x24
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/x2/mui/font.tga"

# The logical corner (X, Y) in a W by H window, letterboxed as the game scales it.
at() {
  awk -v w="$1" -v h="$2" -v x="$3" -v y="$4" 'BEGIN {
    s = w / 800; if (h / 600 < s) s = h / 600
    left = int((w - int(800 * s + 0.5)) / 2); top = int((h - int(600 * s + 0.5)) / 2)
    printf "%d %d\n", left + int(x * s + 0.5), top + int(y * s + 0.5) }'
}
# journey NAME W H MODE: the three pictures of a window W by H pixels, played
# by the same script (replays click in the 800x600 picture's own pixels).
journey() {
  local name=$1 w=$2 h=$3 mode=$4 f
  printf '%s\n' "60 screenshot $WORK/menu-$name.png" "$(click 70 400 317)" \
    "130 screenshot $WORK/help-$name.png" "131 quit" >"$WORK/menu.txt"
  { opening; click 440 396 574; echo "520 screenshot $WORK/game-$name.png"; echo "521 quit"; } >"$WORK/game.txt"
  timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/user-$name" "$mode" --no-pacing --seed 3 \
    --replay "$WORK/menu.txt" 2>/dev/null || fail "$name: the menu's run ended with $?"
  timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/user-$name" "$mode" --no-pacing --seed 3 \
    --play classic:1 --replay "$WORK/game.txt" 2>/dev/null || fail "$name: the game's run ended with $?"
  for shot in menu help game; do
    [ "$("$PROBE" "$WORK/$shot-$name.png" size)" = "$w $h" ] || fail "$shot-$name is not $w x $h"
  done
}
# crisp FILE REFERENCE W H LX0 LY0 LX1 LY1 LEAST MOST [DIFFERENCE]: over the
# logical region of a W by H picture, its gradient over that of the 800x600
# REFERENCE stretched lies within LEAST..MOST, and their brightness differs by
# at most DIFFERENCE (8) on average.
crisp() {
  local r
  read -r -a r < <("$PROBE" "$WORK/$1.png" sharpness $(at "$3" "$4" "$5" "$6") $(at "$3" "$4" "$7" "$8") \
    "$WORK/$2.png") || fail "cannot measure $1"
  awk -v r="${r[2]}" -v d="${r[3]}" -v lo="$9" -v hi="${10}" -v most="${11:-8}" \
    'BEGIN { exit !(r >= lo && r <= hi && d <= most) }' \
    || fail "$1: sharpness ratio ${r[2]} (wanted $9 to ${10}), brightness difference ${r[3]} (at most ${11:-8})"
}

journey 800 800 600 --windowed
stop_xvfb
start_xvfb 1920x1440x24 || exit 1
journey 1600 1600 1200 --windowed
# Resized to 1.25 times, the window shows the data's own set again; resized
# back to twice, the detailed set returns.
for size in "1000 750" "1600 1200"; do
  start_game --data "$DATA" --user-dir "$WORK/user-1600" --windowed --seed 3 --screenshot "$WORK/resized-${size% *}.png"
  xdotool windowsize --sync "$id" ${size% *} ${size#* } 2>/dev/null
  sleep 1.5
  xdotool key Escape
  expect_exit $pid "Escape at $size"
done
# A game goes on through the switch: its backdrop (beside the board) stays.
start_game --data "$DATA" --user-dir "$WORK/user-1600" --windowed --seed 3 --play classic:1 --frames 240 \
  --screenshot "$WORK/switched-1000.png"
sleep 1.2
xdotool windowsize --sync "$id" 1000 750 2>/dev/null
wait $pid || fail "the switched game ended with $?"
stop_xvfb
start_xvfb 1920x1080x24 || exit 1
journey full 1920 1080 --fullscreen

# Regions: the title and first buttons; the help's page; the board and bar.
for name in 1600:1600:1200 full:1920:1080; do
  IFS=: read -r n w h <<<"$name"
  crisp "menu-$n" menu-800 "$w" "$h" 170 60 630 345 1.3 3
  crisp "help-$n" help-800 "$w" "$h" 60 40 740 560 1.3 3
  crisp "game-$n" game-800 "$w" "$h" 0 0 800 600 1.3 3 12
done
# After the resizes (the dragons fly on meanwhile): 1.25 times shows the
# data's own set, twice the detailed one again.
crisp resized-1000 menu-800 1000 750 170 60 630 345 0.9 1.1 10
crisp resized-1600 menu-800 1600 1200 170 60 630 345 1.3 3 10
crisp switched-1000 game-800 1000 750 0 130 10 250 0 100 12
echo "ok"
