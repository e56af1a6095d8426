# A level played to its end from the keyboard alone in a real window, from a
# save one move from the end: a refused colour opens the wrong-colour hint and
# Enter closes it, L buys a life, the winning colour's key completes the level
# and Space continues to the next one. (The tutorial's hints and the keys'
# mapping are covered without a window.) And a first start played from the
# keyboard alone: Tab and Space on the menu's Play, Down to the level choice's
# moving box, Space, Down to Start, Space, a colour key, Escape: a moving game
# is saved.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/dat/game.txt"

base_save
craft_save win 2 150 "$WORK/user" 03 # colour 3 (key 4) everywhere but the homes
{ click 10 400 247; click 70 400 370
  echo "220 key 50"; echo "250 screenshot $WORK/hint.png"; echo "260 key 13" # 2: the rival's colour
  echo "320 key 76"; echo "330 screenshot $WORK/closed.png"; echo "700 key 52"
  echo "1020 screenshot $WORK/won.png"; echo "1030 key 32"; echo "1190 key 27"; echo "1230 quit"; } >"$WORK/end.txt"
replay "$WORK/user" "$WORK/end.txt" "the level's end"
expect_changed "$WORK/hint.png" "$WORK/closed.png" 220 240 580 330 3000 "no wrong-colour hint, or Enter left it open"
expect_colour "$WORK/won.png" 150 260 650 300 "$WHITE" 24 3000 "no LEVEL COMPLETED after the winning key"
"$TOOL" show save --user-dir "$WORK/user" >"$WORK/end.save" || fail "no saved game"
for want in "level_num 2" "playerlifes 3" "playermoney 50"; do
  grep -qx "gamedata.$want" "$WORK/end.save" || fail "not $want after the level: $(grep -v fieldstate "$WORK/end.save")"
done

{ echo "30 key 9"; echo "40 key 32"; for f in 110 120 130; do echo "$f key 40"; done; echo "140 key 32"
  echo "150 key 40"; echo "160 key 40"; echo "170 screenshot $WORK/start.png"; echo "180 key 32"
  echo "400 key 13"; echo "430 key 50"; echo "600 key 27"; echo "640 quit"; } >"$WORK/menus.txt"
replay "$WORK/user-menus" "$WORK/menus.txt" menus
"$TOOL" show save --user-dir "$WORK/user-menus" >"$WORK/menus.save" || fail "no game started from the keyboard"
grep -qx "gamedata.gametype 2" "$WORK/menus.save" || fail "not a moving game: $(grep -v fieldstate "$WORK/menus.save")"
echo "ok"
