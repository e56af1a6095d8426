# White text reads on the brightest board: a won level whose flowers are all
# the near-white colour shows "LEVEL COMPLETED" and "click to continue" over
# dark bands (the flowers just above and below each line go dark while the
# letters stay white). (The level choice's number on its dark backing is a
# golden picture, menus/level.)
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"

base_save
craft_save win 2 30 "$WORK/user-won" 05 # colour 5: the near-white flower
{ click 10 400 247; click 70 400 370; click 200 "$x" 285; echo "520 screenshot $WORK/won.png"; echo "530 quit"; } \
  > "$WORK/won.txt"
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/user-won" --data "$DATA" --windowed --no-pacing --seed 3 \
  --replay "$WORK/won.txt" 2>/dev/null || fail "exit code $?"
won=$WORK/won.png
expect_colour "$won" 40 100 760 240 f5e0ea 40 20000 "the board is not white"
# Strips of 720 x 6 pixels between the lines' letters and their bands' edges.
for rows in "253 259" "303 309" "413 419" "452 458"; do
  set -- $rows
  expect_colour "$won" 40 "$1" 760 "$2" 000000 100 3900 "no dark band behind the message"
done
expect_colour "$won" 150 260 650 300 "$WHITE" 24 3000 "LEVEL COMPLETED not white"
expect_colour "$won" 220 418 580 450 "$WHITE" 24 1500 "click to continue not white"
echo "ok"
