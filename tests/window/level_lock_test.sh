# The level choice shows its lock picture over a level not reached yet (and
# none over the first level), not the preview's flower sheet.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/locked.tga"
{
  echo "40 move 400 247"; echo "41 ldown 400 247"; echo "42 lup 400 247"
  echo "70 screenshot $WORK/first.png"
  # The slider's knob from level 1 to level 9.
  echo "72 move 155 452"; echo "74 ldown 155 452"; echo "77 move 175 452"; echo "80 move 195 452"
  echo "83 lup 195 452"
  echo "110 screenshot $WORK/locked.png"
  echo "111 quit"
} >"$WORK/script.txt"
timeout "$RUN_TIMEOUT" "$CHROMAL" --data "$DATA" --user-dir "$WORK/user" --windowed --no-pacing --seed 5 \
  --replay "$WORK/script.txt" || fail "exit code $?"
# The lock's golden body, in the middle of the preview.
gold() { "$PROBE" "$1" count 255 250 305 300 d7a532 45; }
[ "$(gold "$WORK/first.png")" -lt 400 ] || fail "a lock over the first level"
n=$(gold "$WORK/locked.png")
[ "$n" -gt 1000 ] || fail "no lock over a level not reached: $n golden pixels"
echo "ok ($n golden pixels of the lock)"
