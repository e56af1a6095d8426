# Full screen on a display wider than 4:3: the picture is scaled to the
# screen's height and centred, and the bars beside it stay black on every
# screen, the game's (which clears in white) included.
BUILD_DIR=$1 SOURCE_DIR=$2
# A display of its own, 1600x768: 800x600 scaled by 1.28 is 1024x768 at x 288.
CHROMAL_XVFB_SCREEN=1600x768x24
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/dat/game.txt"

timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/menu" --fullscreen --no-pacing --seed 3 --frames 40 \
  --screenshot "$WORK/menu.png" 2>"$WORK/err" || { cat "$WORK/err"; fail "the menu run failed"; }
timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/game" --fullscreen --no-pacing --seed 3 --frames 120 \
  --play classic:1 --screenshot "$WORK/game.png" 2>"$WORK/err" || { cat "$WORK/err"; fail "the game run failed"; }
for shot in menu game; do
  [ "$("$PROBE" "$WORK/$shot.png" size)" = "1600 768" ] || fail "$shot: not full screen"
  probe "$WORK/$shot.png" 0 0 000000 150 384 000000 287 767 000000 1312 0 000000 1450 384 000000 1599 767 000000
  # The picture itself is drawn: not black all over its middle column.
  "$PROBE" "$WORK/$shot.png" 800 100 000000 800 384 000000 800 700 000000 >/dev/null \
    && fail "$shot: nothing drawn in the picture"
done
echo "ok"
