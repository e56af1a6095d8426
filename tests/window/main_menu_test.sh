# The program opens on the main menu from the generated data: its screens
# open and close (help turns a page), an option changed there is kept for the next run, the
# saved-game file is written at exit, and Escape on the menu quits.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"

{
  click 10 400 247           # play: the level choice, no saved game yet
  echo "40 screenshot $WORK/level.png"
  echo "45 key 27"           # its close key leads back to the menu
  click 60 400 387           # top 7
  echo "90 screenshot $WORK/top.png"
  echo "95 key 27"
  click 110 400 457          # options: switch the sound, hints and dragons off
  echo "128 screenshot $WORK/options0.png"
  click 130 345 271
  click 136 345 321
  click 142 345 371
  echo "150 screenshot $WORK/options.png"
  echo "155 key 27"
  click 160 400 317          # help: its pages turn with the next button
  echo "190 screenshot $WORK/help1.png"
  click 195 626 552
  echo "220 screenshot $WORK/help2.png"
  echo "225 key 27"          # and Escape leaves it
  echo "240 screenshot $WORK/menu.png"
  echo "245 key 27"          # Escape on the menu ends the program
} > "$WORK/script.txt"
# No frame limit: only the Escape of the script can end this run in time.
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 5 \
  --replay "$WORK/script.txt" 2>/dev/null || fail "exit code $? (Escape on the menu did not quit?)"
expect_closed_log "$WORK/user"
# Each screen by what only it shows: the level choice's panel with its board
# preview, the top-7 rows, the options' panel with the ticks that the clicks
# take away, the help's wide page turned (its previous-page button enabled only
# on the second), the menu's play button.
expect_colour "$WORK/level.png" 120 170 690 480 ece3c8 24 115000 "no level choice"
for colour in c83040 4070c0 8040a0 e08020; do
  expect_colour "$WORK/level.png" 180 195 380 340 $colour 40 400 "no board preview in the level choice"
done
expect_colour "$WORK/top.png" 170 185 630 462 a5bf8b 16 40000 "no top-7 rows"
expect_colour "$WORK/options0.png" 150 170 650 460 ece3c8 24 100000 "no options panel"
for y in 271 321 371; do
  expect_colour "$WORK/options0.png" 333 $((y - 13)) 359 $((y + 13)) 288a28 24 60 "no tick at $y before the click"
  expect_few "$WORK/options.png" 333 $((y - 13)) 359 $((y + 13)) 288a28 24 10 "the tick at $y is still there after the click"
done
for page in help1 help2; do
  expect_colour "$WORK/$page.png" 50 40 105 500 ece3c8 24 20000 "no help page in $page"
done
expect_few "$WORK/help1.png" 120 535 230 578 5aa14c 30 200 "the previous page enabled on page 1"
expect_colour "$WORK/help2.png" 120 535 230 578 5aa14c 30 1000 "the help page did not turn"
expect_changed "$WORK/help1.png" "$WORK/help2.png" 70 40 730 500 5000 "the help page did not turn"
expect_colour "$WORK/menu.png" 290 230 510 265 5aa14c 30 3000 "Escape did not leave the help for the menu"
[ -s "$WORK/user/saved_demo.dat" ] || fail "no saved-game file written at exit"
[ -s "$WORK/user/top7_demo.tbl" ] || fail "no top-7 file written at exit"
"$BUILD_DIR/tools/chromal-tool" show settings --user-dir "$WORK/user" | grep -qx "m_sound 0" \
  || fail "the sound option was not saved"

# The next run starts with the options as they were left and no game to continue.
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --frames 5 2>/dev/null \
  || fail "second run: exit code $?"
for option in m_sound m_hints m_show_dragons; do
  "$BUILD_DIR/tools/chromal-tool" show settings --user-dir "$WORK/user" | grep -qx "$option 0" \
    || fail "$option did not survive a restart"
done
echo "ok"
