# Quitting on a level's end message, from saved games one move from the end
# of classic level 2: a won level's message reads on the brightest board, and
# the level resumes at the next level with its score counted once; a lost one at the same level with one life fewer and a fresh
# board, also after a second restart; "GAME OVER" leaves no game, and its
# score enters the table when the program closes there (under the name
# entered last, else "Nemo"), or through the name dialog when the player
# leaves by the menu button.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"

run() { replay "$1" "$2" "run of $2" && expect_closed_log "$1"; } # USER-DIR SCRIPT
saved() { "$TOOL" show save --user-dir "$1" | grep "^$2 " | cut -d' ' -f2-; }
# The end message's white first line (a board alone has some 100 such pixels there).
message_shown() { expect_colour "$1" 150 260 650 300 "$WHITE" 24 3000 "no end message in $(basename "$1")"; }

base_save

# Continue the saved game, play the flower right of the home, look at the
# end message, then EXTRA lines.
play() { # SCRIPT SHOT EXTRA...
  local script=$1 shot=$2; shift 2
  { click 10 400 247; click 70 400 370; click 200 "$x" 285; echo "520 screenshot $shot"; printf '%s\n' "$@"; } > "$script"
}

# Won, quit on "LEVEL COMPLETED": the next level, the score counted once. The
# board is all colour 5, the brightest: the message's white lines must read on
# it over dark bands (the flowers just above and below each line go dark).
craft_save win 2 30 "$WORK/won" 05
flowers=$(grep '^gamedata.fieldstate ' "$WORK/crafted.txt" | tr ' ' '\n' | grep -cx '0[0-5]')
play "$WORK/won.txt" "$WORK/won.png" "530 quit"
run "$WORK/won" "$WORK/won.txt"
expect_colour "$WORK/won.png" 40 100 760 240 f5e0ea 40 20000 "the board is not white"
for y in 253 303 413 452; do
  expect_colour "$WORK/won.png" 40 "$y" 760 $((y + 6)) 000000 100 3900 "no dark band behind the message at y $y"
done
message_shown "$WORK/won.png"
expect_colour "$WORK/won.png" 220 418 580 450 "$WHITE" 24 1500 "click to continue not white"
[ "$(saved "$WORK/won" gamedata.level_num)" = 2 ] || fail "won level not carried on: level $(saved "$WORK/won" gamedata.level_num)"
[ "$(saved "$WORK/won" gamedata.totalscore)" = $((40 + flowers - 1)) ] \
  || fail "score $(saved "$WORK/won" gamedata.totalscore), not 40 + $((flowers - 1))"
[ "$(saved "$WORK/won" gamedata.playerlifes)/$(saved "$WORK/won" gamedata.playermoney)" = 2/30 ] || fail "lives or purse changed"

# Lost with lives, quit on "LEVEL NOT COMPLETED": the same level, a life
# fewer, a new board; and so again after the next run continues it.
craft_save lose 2 30 "$WORK/lost"
play "$WORK/lost.txt" "$WORK/lost.png" "530 quit"
run "$WORK/lost" "$WORK/lost.txt"
message_shown "$WORK/lost.png"
fresh_replay() { # WHEN
  [ "$(saved "$WORK/lost" gamedata.level_num)/$(saved "$WORK/lost" gamedata.playerlifes)" = 1/1 ] \
    || fail "$1: level/lives $(saved "$WORK/lost" gamedata.level_num)/$(saved "$WORK/lost" gamedata.playerlifes), not 1/1"
  [ "$(saved "$WORK/lost" gamedata.totalscore)" = 42 ] || fail "$1: score $(saved "$WORK/lost" gamedata.totalscore)"
  local rival
  rival=$(saved "$WORK/lost" gamedata.fieldstate | tr ' ' '\n' | grep -c '^01$')
  [ "$rival" -lt $((flowers / 2)) ] || fail "$1: the lost board is offered again"
}
fresh_replay "after the message"
{ click 10 400 247; echo "60 screenshot $WORK/again.png"; click 70 400 370; echo "200 quit"; } > "$WORK/again.txt"
run "$WORK/lost" "$WORK/again.txt"
fresh_replay "after continuing it"
probe "$WORK/again.png" 190 300 ebe5cb   # the continue dialog is open

# GAME OVER, the program closed on it: no game left, the score under "Nemo".
craft_save lose 0 0 "$WORK/over"
play "$WORK/over.txt" "$WORK/over.png" "530 quit"
run "$WORK/over" "$WORK/over.txt"
message_shown "$WORK/over.png"
"$TOOL" show save --user-dir "$WORK/over" | grep -q fieldstate && fail "the finished game is still offered"
"$TOOL" show top7 --user-dir "$WORK/over" > "$WORK/top7.txt" || fail "top-7 unreadable"
grep -qx 'top7.rec_points000000 42' "$WORK/top7.txt" || fail "score lost at close: $(head -2 "$WORK/top7.txt")"
grep -qx 'top7.rec_name000000 Nemo' "$WORK/top7.txt" || fail "name: $(grep name000000 "$WORK/top7.txt")"

# GAME OVER left by the game's menu button: the name dialog, then the table.
craft_save lose 0 0 "$WORK/menu"
play "$WORK/menu.txt" "$WORK/menu-over.png" "$(click 540 736 78)" "600 char 67" "600 char 121" \
  "620 screenshot $WORK/name.png" "$(click 630 400 380)" "1000 screenshot $WORK/top.png" "1010 quit"
run "$WORK/menu" "$WORK/menu.txt"
"$TOOL" show top7 --user-dir "$WORK/menu" > "$WORK/top7.txt" || fail "top-7 unreadable"
grep -qx 'top7.rec_name000000 Cy' "$WORK/top7.txt" || fail "no Cy after the menu button: $(head -2 "$WORK/top7.txt")"
grep -qx 'top7.rec_points000000 42' "$WORK/top7.txt" || fail "wrong score: $(grep points000000 "$WORK/top7.txt")"
probe "$WORK/name.png" 180 330 ede8d0   # the name dialog over the game
probe "$WORK/top.png" 200 240 aec790    # a row of the top-7 page

# The next GAME OVER closed on enters the table under the name entered last.
craft_save lose 0 0 "$WORK/menu"
run "$WORK/menu" "$WORK/over.txt"
"$TOOL" show top7 --user-dir "$WORK/menu" | grep -qx 'top7.rec_name000001 Cy' \
  || fail "not under the last name: $("$TOOL" show top7 --user-dir "$WORK/menu" | grep name00000[01])"
echo "ok"
