# A whole visit: choose a level, play, go back to the menu, quit; the next
# run offers to continue the game at that level and resumes it with the same
# purse and lives.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"
TOOL="$BUILD_DIR/tools/chromal-tool"

{
  # Hints off first: they would cover the game's main-menu button.
  click 2 400 457; click 6 345 321; echo "9 key 27"
  click 10 400 247                 # play: no saved game, so the level choice
  echo "30 move 156 452"; echo "31 ldown 156 452"; echo "32 move 164 452"; echo "33 lup 164 452"
  echo "40 screenshot $WORK/level.png"
  click 45 540 537                 # start level 2 of the advanced set (checked at first)
  for f in 300 400 500; do click $f 330 300; done
  echo "600 screenshot $WORK/game.png"
  # The game's main-menu button; it waits while the opponent moves, so it is
  # pressed again (on the menu the place is empty background).
  for f in 610 700 800; do click $f 736 78; done
  # (these clicks after the return land on empty menu background)
  echo "850 screenshot $WORK/menu.png"
  echo "860 key 27"
} > "$WORK/first.txt"
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 7 \
  --replay "$WORK/first.txt" 2>/dev/null || fail "first run: exit code $?"
expect_closed_log "$WORK/user"
"$TOOL" show save --user-dir "$WORK/user" > "$WORK/saved1.txt" || fail "saved game unreadable"
grep -q "^gamedata.gametype 1" "$WORK/saved1.txt" || fail "no advanced game saved: $(cat "$WORK/saved1.txt")"
grep -q "^gamedata.level_num 1" "$WORK/saved1.txt" || fail "not saved at level 2: $(cat "$WORK/saved1.txt")"

{
  click 10 400 247                 # play: the continue dialog this time
  echo "60 screenshot $WORK/continue.png"
  click 70 400 370                 # continue the saved game
  echo "200 screenshot $WORK/resumed.png"
  echo "210 quit"
} > "$WORK/second.txt"
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 7 \
  --replay "$WORK/second.txt" 2>/dev/null || fail "second run: exit code $?"
"$TOOL" show save --user-dir "$WORK/user" > "$WORK/saved2.txt" || fail "saved game unreadable"
for key in gamedata.gametype gamedata.playermoney gamedata.playerlifes gamedata.level_num; do
  [ "$(grep "^$key " "$WORK/saved1.txt")" = "$(grep "^$key " "$WORK/saved2.txt")" ] \
    || fail "$key changed: $(grep "^$key " "$WORK/saved1.txt") / $(grep "^$key " "$WORK/saved2.txt")"
done
# The level choice's panel with the advanced set checked; the game's board; the
# menu's play button after the game's menu button; the continue dialog with its
# level and score box; the board again once the game is resumed.
expect_colour "$WORK/level.png" 120 170 690 480 ece3c8 24 115000 "no level choice"
expect_colour "$WORK/level.png" 456 286 476 306 67bb54 30 50 "the advanced set is not checked"
expect_board "$WORK/game.png" 150 100 650 480 "no board in the first run"
expect_colour "$WORK/menu.png" 290 230 510 265 5aa14c 30 3000 "the game's menu button did not lead to the menu"
expect_colour "$WORK/continue.png" 276 242 524 316 577749 20 10000 "no continue dialog"
expect_board "$WORK/resumed.png" 150 100 650 480 "no board after continuing"
echo "ok"
