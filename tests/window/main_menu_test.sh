# The program opens on the main menu from the generated data: its screens
# open and close (help turns a page), an option changed there is kept for the next run, the
# saved-game file is written at exit, and Escape on the menu quits.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"

click() { echo "$1 move $2 $3"; echo "$(($1 + 1)) ldown $2 $3"; echo "$(($1 + 2)) lup $2 $3"; }
{
  click 10 400 247           # play: the level choice, no saved game yet
  echo "40 screenshot $WORK/level.png"
  echo "45 key 27"           # its close key leads back to the menu
  click 60 400 387           # top 7
  echo "90 screenshot $WORK/top.png"
  echo "95 key 27"
  click 110 400 457          # options: switch the sound, hints and dragons off
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
timeout 30 "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 5 \
  --replay "$WORK/script.txt" 2>/dev/null || fail "exit code $? (Escape on the menu did not quit?)"
expect_closed_log "$WORK/user"
for shot in level top options help1 help2 menu; do
  [ "$("$PROBE" "$WORK/$shot.png" size)" = "800 600" ] || fail "no $shot screenshot"
done
cmp -s "$WORK/help1.png" "$WORK/help2.png" && fail "the help page did not turn"
cmp -s "$WORK/help2.png" "$WORK/menu.png" && fail "Escape did not leave the help"
[ -s "$WORK/user/saved_demo.dat" ] || fail "no saved-game file written at exit"
[ -s "$WORK/user/top7_demo.tbl" ] || fail "no top-7 file written at exit"
"$BUILD_DIR/tools/chromal-tool" show settings --user-dir "$WORK/user" | grep -qx "m_sound 0" \
  || fail "the sound option was not saved"

# The next run starts with the options as they were left and no game to continue.
timeout 60 "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --frames 5 2>/dev/null \
  || fail "second run: exit code $?"
for option in m_sound m_hints m_show_dragons; do
  "$BUILD_DIR/tools/chromal-tool" show settings --user-dir "$WORK/user" | grep -qx "$option 0" \
    || fail "$option did not survive a restart"
done
echo "ok"
