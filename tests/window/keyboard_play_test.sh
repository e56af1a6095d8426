# A level played from the keyboard alone in a real window: Enter closes the
# tutorial's hints, keys 1-6 choose colours (a refused one opens the
# wrong-colour hint, which Enter closes too). The saved board then differs from
# a run where only the hints were closed, and the screen shows a played board.
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
echo "ok"
