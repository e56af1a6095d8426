# Levels played from the keyboard alone in a real window. First the tutorial:
# Enter closes its hints, keys 1-6 choose colours; the saved board then differs
# from a run where only the hints were closed, and the screen shows a played
# board. Then a nearly won level to its end: a refused colour opens the
# wrong-colour hint and Space closes it, L buys a life, the winning colour's key
# completes the level and Space continues to the next one.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/dat/game.txt"
TOOL="$BUILD_DIR/tools/chromal-tool"

# script FILE PLAY LAST: Enter every 20 frames up to frame LAST; with PLAY the
# six colour keys between.
script() {
  for f in $(seq 100 20 "$3"); do
    echo "$f key 13"
    if [ "$2" = play ]; then for k in 1 2 3 4 5 6; do echo "$((f + 2 + k)) key $((48 + k))"; done; fi
  done >"$1"
  echo "$(($3 + 50)) screenshot $WORK/$2.png" >>"$1"
  echo "$(($3 + 51)) key 27" >>"$1"
  echo "$(($3 + 90)) quit" >>"$1"
}
for run in idle play; do
  # The tutorial's hints are closed by frame 300; the played run then has
  # time for a few moves of each side.
  last=400
  [ $run = play ] && last=1000
  script "$WORK/$run.txt" $run $last
  timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/user-$run" --windowed --no-pacing --seed 9 \
    --play classic:1 --replay "$WORK/$run.txt" || fail "$run: exit code $?"
  "$TOOL" show save --user-dir "$WORK/user-$run" >"$WORK/$run.save" || fail "$run: no saved game"
done
state() { grep '^gamedata.fieldstate' "$1"; }
[ -n "$(state "$WORK/idle.save")" ] || fail "no board in the saved game: $(cat "$WORK/idle.save")"
[ "$(state "$WORK/idle.save")" != "$(state "$WORK/play.save")" ] || fail "the colour keys played no move"
# The played board's counts differ from the untouched one's (the numbers at the top).
"$PROBE" "$WORK/play.png" changed "$WORK/idle.png" 20 20 140 60 >"$WORK/changed" || true
[ "$(cat "$WORK/changed")" -gt 20 ] || fail "the flower counts did not change on screen"

base_save
craft_save win 2 150 "$WORK/user-end" 03 # colour 3 (key 4) everywhere but the homes
{ click 10 400 247; click 70 400 370
  echo "220 key 50"; echo "250 screenshot $WORK/hint.png"; echo "260 key 32" # 2: the rival's colour
  echo "320 key 76"; echo "330 screenshot $WORK/closed.png"; echo "700 key 52"
  echo "1020 screenshot $WORK/won.png"; echo "1030 key 32"; echo "1190 key 27"; echo "1230 quit"; } >"$WORK/end.txt"
timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/user-end" --windowed --no-pacing --seed 3 \
  --replay "$WORK/end.txt" 2>/dev/null || fail "end: exit code $?"
expect_changed "$WORK/hint.png" "$WORK/closed.png" 220 240 580 330 3000 "no wrong-colour hint, or Space left it open"
expect_colour "$WORK/won.png" 150 260 650 300 "$WHITE" 24 3000 "no LEVEL COMPLETED after the winning key"
"$TOOL" show save --user-dir "$WORK/user-end" >"$WORK/end.save" || fail "end: no saved game"
for want in "level_num 2" "playerlifes 3" "playermoney 50"; do
  grep -qx "gamedata.$want" "$WORK/end.save" || fail "not $want after the level: $(grep -v fieldstate "$WORK/end.save")"
done
echo "ok"
