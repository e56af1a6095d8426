# The moving set from the level choice: its box shows the first moving level
# open and the second locked (the lock's own picture over the preview, not
# its flower sheet); winning moving level 1 for real (a crafted save one move
# from its end, continued and won) lifts that lock, and the second level
# started from the choice is a moving game, as the save at exit says. The
# rival's plate shows the moves and the par, and the level won its best.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/locked.tga"

base_save moving 1
craft_save win 2 30 "$WORK/user"
# No dragons over the boxes and the lock; the moving record is left to its default.
echo "m_show_dragons 0" | "$TOOL" encipher --key vum - "$WORK/user/dx_demo.cfg" || fail "cannot write the settings"
{
  # Play, "New game" in the continue dialog, the moving box.
  click 10 400 247; click 40 400 440; click 70 465 355
  echo "100 screenshot $WORK/first.png"
  # The slider's knob from level 1 to level 2.
  echo "102 move 155 452"; echo "104 ldown 155 452"; echo "107 move 160 452"; echo "110 move 163 452"
  echo "113 lup 163 452"
  echo "140 screenshot $WORK/locked.png"
  # Cancel; continue the saved game and win it with one move; close the
  # hint and click to continue, so that the next moving level begins.
  click 150 250 535; click 180 400 247; click 210 400 370
  echo "330 screenshot $WORK/plate.png"
  click 340 "$x" 285
  echo "600 screenshot $WORK/won.png"
  click 610 790 590; click 640 400 300
  # Escape leaves the game; the level choice is as it was left.
  echo "800 key 27"; click 830 400 247; click 860 400 440
  echo "890 screenshot $WORK/open.png"
  # Back to level 1: its best, from the level won, beside the preview.
  echo "892 key 37"; echo "896 screenshot $WORK/best.png"; echo "898 key 39"
  click 900 540 535
  echo "960 quit"
} >"$WORK/script.txt"
replay "$WORK/user" "$WORK/script.txt" "the moving set's run" --seed 5

# The moving box's green mark; the lock's golden body in the middle of the preview.
for shot in first locked open; do
  expect_colour "$WORK/$shot.png" 456 346 476 366 50b040 50 60 "moving box not checked"
  expect_few "$WORK/$shot.png" 456 226 476 306 50b040 50 10 "another box checked"
done
expect_few "$WORK/first.png" 255 250 305 300 d7a532 45 400 "a lock over the first moving level"
expect_colour "$WORK/locked.png" 255 250 305 300 d7a532 45 1000 "no lock over moving level 2"
expect_few "$WORK/open.png" 255 250 305 300 d7a532 45 400 "moving level 2 still locked once level 1 was won"
# The rival's plate counts the race: the yellow par under the moves, whose
# count changes with the move; the end message says moves, par and best; the
# level won shows its best in the choice.
expect_colour "$WORK/plate.png" 670 26 790 42 ffe64d 60 40 "no par on the rival's plate"
expect_changed "$WORK/won.png" "$WORK/plate.png" 740 10 790 26 15 "the plate's moves did not count the move"
expect_colour "$WORK/won.png" 130 325 670 362 ffffff 40 1500 "no moves, par and best under LEVEL COMPLETED"
expect_colour "$WORK/best.png" 390 370 500 396 ffe64d 60 100 "no best beside moving level 1"
expect_few "$WORK/open.png" 390 370 500 396 ffe64d 60 20 "a best beside moving level 2, never won"
[ "$("$TOOL" show stats --user-dir "$WORK/user" | grep -cxE "stats.moving.(won 1|best1 1|games 1)")" -eq 3 ] \
  || fail "the level won not in the statistics: $("$TOOL" show stats --user-dir "$WORK/user" | grep moving)"
settings=$("$TOOL" show settings --user-dir "$WORK/user")
grep -qx "m_moving_level 2" <<<"$settings" || fail "moving record not saved: $(grep level <<<"$settings")"
# The continued game had a score of 40; the one started from the choice has none.
save=$("$TOOL" show save --user-dir "$WORK/user" | grep -v fieldstate)
for line in "gamedata.gametype 2" "gamedata.level_num 1" "gamedata.totalscore 0" \
  "gamedata.dir_pattern dat/levels_moving/lev%03d.raw"; do
  grep -qxF "$line" <<<"$save" || fail "saved game lacks '$line': $(echo $save)"
done
echo "ok"
