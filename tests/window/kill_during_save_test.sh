# SIGKILL at random moments around the exit, while the shutdown saves run:
# afterwards every per-user file reads back as the version before the run or
# the one the run wrote, never as a damaged one, and nothing is left behind
# that could be taken for one of them. Some kills must land between two of
# the saves, where a half-saved state would show.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"
TOOL="$BUILD_DIR/tools/chromal-tool"
export SDL_AUDIODRIVER=dummy
# The game pauses this long after each save, so that kills can land between two.
export CHROMAL_SAVE_GAP_MS=150
ROUNDS=${CHROMAL_KILL_ROUNDS:-30}
USER_DIR="$WORK/user"

# show_all DIR OUT: the clear text of the four files, or fail.
show_all() {
  for what in settings save top7 stats; do
    echo "== $what"
    "$TOOL" show "$what" --user-dir "$1" || return 1
  done > "$2" 2>&1
}

# Good files: a saved game with a board and a top-7 table with scores (those
# of the fuzz seeds, written by the game), and settings from a first run.
mkdir -p "$USER_DIR"
cp "$SOURCE_DIR/tests/fuzz/seeds/savedgame_fuzz/saved_demo.dat" "$SOURCE_DIR/tests/fuzz/seeds/toptable_fuzz/top7_demo.tbl" "$USER_DIR"/
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$USER_DIR" --data "$DATA" --windowed --no-pacing --frames 30 \
  2>/dev/null || fail "first run: exit code $?"
show_all "$USER_DIR" "$WORK/old.txt" || fail "first run wrote unreadable files: $(cat "$WORK/old.txt")"
grep -q "^gamedata.fieldstate" "$WORK/old.txt" || fail "the saved game lost its board: $(cat "$WORK/old.txt")"
grep -q "^top7.rec_name000000 Ada" "$WORK/old.txt" || fail "the top-7 table lost its scores"

# How long a whole run takes; the kills start aimed at its end.
start=$(date +%s%N)
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$USER_DIR" --data "$DATA" --windowed --no-pacing --frames 30 \
  2>/dev/null || fail "timed run: exit code $?"
span=$((($(date +%s%N) - start) / 1000000))
show_all "$USER_DIR" "$WORK/new.txt" || fail "timed run wrote unreadable files"
# Each save renames a new file into place, so changed inodes tell how far the
# saves had come when the kill landed.
inodes() { stat -c %i "$USER_DIR/dx_demo.cfg" "$USER_DIR/saved_demo.dat" "$USER_DIR/top7_demo.tbl" "$USER_DIR/stats_demo.dat" \
  2>/dev/null; }

RANDOM=4711
killed=0 during=0 target=$span round=0
# The case this test is for is a kill between two saves: rounds go on (up to
# three times as many) until a few have landed there.
WANTED=3
while [ "$round" -lt "$ROUNDS" ] || { [ "$during" -lt "$WANTED" ] && [ "$round" -lt $((3 * ROUNDS)) ]; }; do
  round=$((round + 1))
  # The aim follows the saves: later after a kill before them, earlier after
  # a run that had already finished.
  delay=$((target - 10 + RANDOM % 21))
  [ "$delay" -gt 0 ] || delay=1
  before=$(inodes)
  "$CHROMAL" --user-dir "$USER_DIR" --data "$DATA" --windowed --no-pacing --frames 30 2>/dev/null &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  if kill -9 "$pid" 2>/dev/null; then
    killed=$((killed + 1))
    changed=$(diff <(echo "$before") <(inodes) | grep -c '^>')
    case $changed in
      0) target=$((target + 15)) ;;
      4) target=$((target - 5)) ;;
      *) during=$((during + 1)) ;;
    esac
  else
    target=$((target - 30))
  fi
  wait "$pid" 2>/dev/null
  show_all "$USER_DIR" "$WORK/now.txt" || fail "round $round (after ${delay} ms): $(cat "$WORK/now.txt")"
  cmp -s "$WORK/now.txt" "$WORK/old.txt" || cmp -s "$WORK/now.txt" "$WORK/new.txt" ||
    fail "round $round (after ${delay} ms): files neither old nor new: $(diff "$WORK/old.txt" "$WORK/now.txt")"
  # The game reads only its own names; an interrupted save may leave only its
  # temporary file, which a later save never mistakes for the real one.
  others=$(ls -A "$USER_DIR" | grep -vxE "dx_demo.cfg|saved_demo.dat|top7_demo.tbl|stats_demo.dat|game.log" |
    grep -vE '^(dx_demo\.cfg|saved_demo\.dat|top7_demo\.tbl|stats_demo\.dat)\.tmp\.[A-Za-z0-9]{6}$')
  [ -z "$others" ] || fail "round $round: unexpected files: $others"
done
[ "$during" -ge "$WANTED" ] ||
  fail "only $during of $round runs killed between two saves ($killed killed; each took $span ms)"
temps=$(ls -A "$USER_DIR" | grep -c '\.tmp\.')
# The next start clears what interrupted saves left.
timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$USER_DIR" --data "$DATA" --windowed --no-pacing --frames 5 2>/dev/null ||
  fail "clean run: exit code $?"
ls -A "$USER_DIR" | grep -q '\.tmp\.' && fail "temporary files left after a clean run: $(ls -A "$USER_DIR")"
echo "ok: $killed of $round runs killed ($during between two saves, $temps in the middle of one); a run takes $span ms"
