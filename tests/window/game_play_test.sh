# A game started from the command line in a real window: the intro is cut
# short, the tutorial closed (its three small hints drawn readably), a bonus
# bought from the bar and cells clicked; the program ends cleanly. A malformed
# --play is refused before any window.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/dat/game.txt"

{
  echo "60 ldown 790 590"; echo "60 lup 790 590"
  for f in 120 160 200 240 280 320 360 400; do echo "$f ldown 790 590"; echo "$f lup 790 590"; done
  echo "199 screenshot $WORK/hints.png"
  # The pointer on the one-cell step (5 cents) shows its message; a click buys it.
  echo "440 move 295 574"; echo "445 screenshot $WORK/offer.png"
  echo "450 ldown 295 574"; echo "450 lup 295 574"
  echo "600 screenshot $WORK/bought.png"
  f=700
  for x in 70 100 130 160 190; do
    echo "$f move $x 300"; echo "$f ldown $x 300"; echo "$f lup $x 300"; f=$((f + 60))
  done
  echo "$f screenshot $WORK/played.png"
  echo "$((f + 1)) quit"
} > "$WORK/script.txt"
timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/user" --windowed --no-pacing --seed 7 \
  --play classic:1 --replay "$WORK/script.txt" || fail "exit code $?"
expect_closed_log "$WORK/user"
expect_board "$WORK/bought.png" 150 100 650 480 "no board drawn"
# "Your flowers" (at 130, 10): the row of its check box holds "show hints"
# and "click or press Space to close" in brown letters, with room between.
expect_colour "$WORK/hints.png" 178 80 250 98 5a4628 40 100 "no \"show hints\" beside the box"
expect_colour "$WORK/hints.png" 270 80 458 98 5a4628 40 300 "no closing words in the hint"
expect_few "$WORK/hints.png" 253 80 267 98 5a4628 40 3 "the hint's two texts run into each other"
# The bar's message: dark letters on the light box above the buttons.
expect_colour "$WORK/offer.png" 250 528 550 547 000000 60 300 "no message over the bonus bar"
# The purse under the flower count shows less money once the step is bought,
# and the moves change the counts of flowers.
expect_changed "$WORK/offer.png" "$WORK/bought.png" 30 62 110 92 40 "the purse did not change"
expect_changed "$WORK/bought.png" "$WORK/played.png" 50 12 105 42 30 "the human's flower count did not change"
expect_changed "$WORK/bought.png" "$WORK/played.png" 690 12 760 42 30 "the rival's flower count did not change"

for bad in chess:1 classic:0; do
  timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/user2" --play "$bad" 2>/dev/null
  [ $? -eq 2 ] || fail "--play $bad accepted"
done
echo "ok"
