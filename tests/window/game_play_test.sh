# A game started from the command line in a real window: the intro is cut
# short, the tutorial closed, a bonus bought from the bar and cells clicked;
# the program ends cleanly. A malformed --play is refused before any window.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
[ -f "$DATA/dat/game.txt" ] || { echo "skipped: no generated data"; exit 0; }

{
  echo "60 ldown 790 590"; echo "60 lup 790 590"
  for f in 120 160 200 240 280 320 360 400; do echo "$f ldown 790 590"; echo "$f lup 790 590"; done
  echo "440 move 396 574"; echo "441 ldown 396 574"; echo "441 lup 396 574"
  echo "445 screenshot $WORK/bought.png"
  f=700
  for x in 70 100 130 160 190; do
    echo "$f move $x 300"; echo "$f ldown $x 300"; echo "$f lup $x 300"; f=$((f + 60))
  done
  echo "$f screenshot $WORK/played.png"
  echo "$((f + 1)) quit"
} > "$WORK/script.txt"
timeout 120 "$CHROMAL" --data "$DATA" --user-dir "$WORK/user" --windowed --no-pacing --seed 7 \
  --play classic:1 --replay "$WORK/script.txt" || fail "exit code $?"
[ -s "$WORK/bought.png" ] && [ -s "$WORK/played.png" ] || fail "no screenshots"
expect_closed_log "$WORK/user"

for bad in chess:1 classic:0; do
  timeout 30 "$CHROMAL" --user-dir "$WORK/user2" --play "$bad" 2>/dev/null
  [ $? -eq 2 ] || fail "--play $bad accepted"
done
echo "ok"
