# Frames redrawn only where something moved look exactly like frames drawn
# whole: the main menu with its dragons (the pointer still, then over a
# button, then away) and a game waiting for the player's move (the pointer
# over the board, then over the bonus bar), at fixed seeds, compared pixel
# for pixel with CHROMAL_NO_PARTIAL_REDRAW=1, in an 800x600 window and full
# screen (scaled by 1.28 between black bars). (Drawing without the kept
# layer: kept_layer_test.)
BUILD_DIR=$1 SOURCE_DIR=$2
CHROMAL_XVFB_SCREEN=1600x768x24
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/dat/game.txt"

menu_script() {
  for f in 30 31 32 70; do echo "$f screenshot $1/menu-$f.png"; done
  echo "80 move 400 247"
  for f in 95 96 130; do echo "$f screenshot $1/menu-$f.png"; done
  echo "131 move 700 80"
  for f in 150 151 200; do echo "$f screenshot $1/menu-$f.png"; done
  echo "201 quit"
}

game_script() {
  # The opening and the tutorial clicked away, then nothing but the pointer.
  opening
  echo "450 move 400 300"
  for f in 560 561 562 600 650; do echo "$f screenshot $1/game-$f.png"; done
  echo "651 move 330 574"
  for f in 700 701 760; do echo "$f screenshot $1/game-$f.png"; done
  echo "761 quit"
}

for size in windowed fullscreen; do
  for mode in partial whole; do
    dir="$WORK/$mode/$size"
    mkdir -p "$dir"
    menu_script "$dir" >"$WORK/menu-$mode-$size.txt"
    game_script "$dir" >"$WORK/game-$mode-$size.txt"
    partial=$([ "$mode" = whole ] && echo 1 || echo 0)
    CHROMAL_NO_PARTIAL_REDRAW=$partial timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" \
      --user-dir "$WORK/user-menu-$mode-$size" "--$size" --no-pacing --seed 3 \
      --replay "$WORK/menu-$mode-$size.txt" || fail "menu, $mode, $size: exit code $?"
    CHROMAL_NO_PARTIAL_REDRAW=$partial timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" \
      --user-dir "$WORK/user-game-$mode-$size" "--$size" --no-pacing --seed 5 --play classic:1 \
      --replay "$WORK/game-$mode-$size.txt" || fail "game, $mode, $size: exit code $?"
  done
done
[ "$("$PROBE" "$WORK/partial/fullscreen/menu-30.png" size)" = "1600 768" ] || fail "not full screen"

for size in windowed fullscreen; do
  n=$(same_shots "$WORK/partial/$size" "$WORK/whole/$size" 0 "whole-drawn") || fail "$size: partly redrawn frames differ"
  [ "$n" -ge 18 ] || fail "$size: only $n screenshots"
  # The dragons do fly: the comparison is of moving pictures.
  "$PROBE" "$WORK/partial/$size/menu-30.png" same "$WORK/partial/$size/menu-31.png" 0 >/dev/null \
    && fail "$size: the menu stands still: nothing to compare"
done
echo "ok"
