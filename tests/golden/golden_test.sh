# Golden outputs: scripted real-window runs (the menus, the tutorial, a
# classic game with bonuses, a saved game resumed, the moving set) and whole
# levels simulated between computer players, compared with what was recorded
# in tests/golden/expected. Reorganising the code must leave every picture,
# every per-user file and every simulated move as it was.
#
#   golden_test.sh [BUILD_DIR [SOURCE_DIR]] [--record]
#
# --record writes the expected files afresh from this build: look at the
# pictures before committing them. CHROMAL_GOLDEN_OUT=FOLDER keeps a run's
# outputs (pictures, per-user folders) for a look.
RECORD=0 args=()
for arg in "$@"; do
  if [ "$arg" = --record ]; then RECORD=1; else args+=("$arg"); fi
done
SOURCE_DIR=${args[1]:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BUILD_DIR=${args[0]:-$SOURCE_DIR/build}
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
TOOL="$BUILD_DIR/tools/chromal-tool"
EXPECTED="$SOURCE_DIR/tests/golden/expected"
need_data "$DATA/mui/main_wnd.txt"
need_data "$DATA/dat/game.txt"
[ -x "$TOOL" ] || fail "no $TOOL"
OUT=${CHROMAL_GOLDEN_OUT:-$WORK/out}
RUNS="menus tutorial classic resume-save resume-continue moving"
for run in $RUNS; do rm -rf "${OUT:?}/$run"; done
mkdir -p "$OUT" || fail "cannot make $OUT"
if [ $RECORD = 0 ]; then
  [ -s "$EXPECTED/simulate.txt" ] || fail "nothing recorded in $EXPECTED: run with --record first"
fi

# game RUN USER-DIR SEED LINES... [-- ARGS...]: one replayed run of the game
# (LINES name screenshots as @NAME, kept in OUT/RUN/shots); its per-user
# folder is copied to OUT/RUN/user once the program has closed.
game() {
  local run=$1 user=$2 seed=$3; shift 3
  local lines=() extra=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do lines+=("$1"); shift; done
  [ $# -gt 0 ] && { shift; extra=("$@"); }
  mkdir -p "$OUT/$run/shots"
  printf '%s\n' "${lines[@]}" | sed "s|@\([a-z0-9-]*\)|$OUT/$run/shots/\1.png|" > "$WORK/$run.txt"
  timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$user" --data "$DATA" --windowed --no-pacing --seed "$seed" \
    --replay "$WORK/$run.txt" "${extra[@]}" 2>"$WORK/$run.err" \
    || fail "$run: exit code $? ($(grep -v ALSA "$WORK/$run.err" | tail -3))"
  expect_closed_log "$user"
  cp -r "$user" "$OUT/$run/user"
}

# moves FRAME X...: flowers clicked on row 300 (ROW, if set), one every 90
# frames, time enough for the rival's answer.
moves() {
  local f=$1 x y=${ROW:-300}; shift
  for x in "$@"; do echo "$f move $x $y"; echo "$((f + 5)) ldown $x $y"; echo "$((f + 5)) lup $x $y"; f=$((f + 90)); done
}
# buy FRAME X: the bonus button at X of the bar.
buy() { ROW=574 moves "$1" "$2"; }

# A board picture costs some 800 kB, a menu's some 300 kB: each run keeps
# only the frames that show something the others do not.

# The menu and its screens: the level choice with the classic set checked,
# the top-7 table, the options with the dragons switched off (so the settings
# file changes), the help's second page; Escape on the menu quits.
run_menus() {
  game menus "$WORK/user-menus" 5 \
    "30 screenshot @menu" \
    "$(click 40 400 247)" "$(click 60 466 235)" "80 screenshot @level" "85 key 27" \
    "$(click 100 400 387)" "140 screenshot @top7" "145 key 27" \
    "$(click 160 400 457)" "$(click 180 345 351)" "200 screenshot @options" "205 key 27" \
    "$(click 240 400 317)" "$(click 270 626 552)" "300 screenshot @help" "305 key 27" \
    "340 key 27"
}

# The tutorial: classic level 1 opens with its hints, one group after another.
run_tutorial() {
  game tutorial "$WORK/user-tutorial" 7 \
    "$(opening)" "190 screenshot @hints" "350 screenshot @magnifier" "430 quit" \
    -- --play classic:1
}

# A classic game: a bonus offered and bought (one step forward), moves, a
# second bonus (the zone repainted), more moves (the last of a colour not
# allowed, so a hint comes up).
run_classic() {
  game classic "$WORK/user-classic" 11 \
    "$(opening)" \
    "440 move 292 574" "445 screenshot @offer" "$(buy 445 292)" \
    "$(moves 600 70 100 130)" "$(buy 870 396)" \
    "$(moves 990 160 190 220)" "1260 screenshot @played" "1261 quit" \
    -- --play classic:12
}

# Level 2 of the classic set chosen from the menu and played, left by the
# game's menu button (saved at exit); the next run offers it in the continue
# dialog, resumes it and plays on.
run_resume() {
  # Hints off first: they would cover the game's menu button.
  game resume-save "$WORK/user-resume" 7 \
    "$(click 2 400 457)" "$(click 6 345 321)" "9 key 27" \
    "$(click 10 400 247)" "$(click 20 466 235)" \
    "30 move 156 452" "31 ldown 156 452" "32 move 164 452" "33 lup 164 452" \
    "$(click 45 540 537)" "$(moves 300 330 360 390)" \
    "$(click 610 736 78)" "$(click 700 736 78)" "$(click 800 736 78)" "850 key 27"
  game resume-continue "$WORK/user-resume" 7 \
    "$(click 10 400 247)" "60 screenshot @continue" "$(click 70 400 370)" \
    "200 screenshot @resumed" "$(moves 210 100 160 220)" "480 screenshot @played" "481 quit"
}

# The moving set: the board shifts under the players after every move.
run_moving() {
  game moving "$WORK/user-moving" 5 \
    "$(opening)" "430 screenshot @start" "$(moves 440 70 100 130 160)" "800 screenshot @moved" "801 quit" \
    -- --play moving:3
}

# Whole levels between computer players: first, middle and last levels of
# each set, several seeds, weak, middling and strong human sides. A line
# holds the combination, the transcript's sha256 and its last line. A moving
# level takes ten times as long as another, so that set has fewer.
SIM_SEEDS="1 7 42" SIM_STRENGTHS="0 2 5"
simulate_all() {
  local set levels level seed strength transcript
  echo "# set level seed strength sha256 last-line"
  for set in classic advanced moving; do
    levels="0 4 9 14 19"; [ $set = moving ] && levels="0 9 19"
    for level in $levels; do for seed in $SIM_SEEDS; do for strength in $SIM_STRENGTHS; do
    transcript=$("$TOOL" simulate --data "$DATA" --set "$set" --level "$level" --seed "$seed" \
      --human-difficulty "$strength") || { echo "FAIL: simulate $set $level $seed $strength: exit code $?" >&2; exit 1; }
    echo "$set $level $seed $strength $(printf '%s\n' "$transcript" | sha256sum | cut -d' ' -f1) $(printf '%s\n' "$transcript" | tail -1)"
  done; done; done; done
}

# The simulations run beside the windows: the game's frames are counted, not
# timed, so sharing the processor changes nothing but the running time.
started=$SECONDS
simulate_all > "$OUT/simulate.txt" &
simulations=$!
ON_EXIT='kill $simulations 2>/dev/null'
run_menus
run_tutorial
run_classic
run_resume
run_moving
echo "window runs: $((SECONDS - started)) s"
wait $simulations || fail "the simulations failed"
ON_EXIT=""
echo "simulations: $(grep -vc '^#' "$OUT/simulate.txt") in $((SECONDS - started)) s"

if [ $RECORD = 1 ]; then
  rm -rf "$EXPECTED" && mkdir -p "$EXPECTED" || fail "cannot write $EXPECTED"
  for run in $RUNS; do cp -r "$OUT/$run" "$EXPECTED/$run"; done
  cp "$OUT/simulate.txt" "$EXPECTED/simulate.txt"
  echo "recorded in $EXPECTED ($(find "$EXPECTED" -name '*.png' | wc -l) pictures, $(du -sh "$EXPECTED" | cut -f1))"
  exit 0
fi

# Every difference is listed before the test fails.
failures=0
differs() { echo "DIFFERS: $*"; failures=$((failures + 1)); }
# clear FILE: the per-user file as compared. The settings, saved game and
# top-7 table are enciphered with a rotation drawn from the clock at every
# save, so their bytes differ from run to run: they are compared in clear
# text (byte for byte still). The rest is compared as it is.
clear() {
  local key=""
  case $(basename "$1") in
    dx_demo.cfg) key='vum' ;;
    saved_demo.dat) key='slotstate@#&' ;;
    top7_demo.tbl) key='zpqrtu%#%8127' ;;
    stats_demo.dat) key='tally&%#31' ;;
  esac
  if [ -n "$key" ]; then "$TOOL" decipher --key "$key" "$1"; else cat "$1"; fi
}

shots=0
for run in $RUNS; do
  # The same pictures, each within 2 per channel of its twin (the kept
  # layer's rounding; anything really different is far more).
  [ "$(ls "$EXPECTED/$run/shots" 2>/dev/null)" = "$(ls "$OUT/$run/shots" 2>/dev/null)" ] \
    || differs "$run: pictures $(ls "$OUT/$run/shots" | tr '\n' ' ')instead of $(ls "$EXPECTED/$run/shots" | tr '\n' ' ')"
  n=$(same_shots "$EXPECTED/$run/shots" "$OUT/$run/shots" 2 "$run") || differs "$run: pictures (above)"
  shots=$((shots + n))
  # The per-user files byte for byte once deciphered.
  [ "$(ls "$EXPECTED/$run/user")" = "$(ls "$OUT/$run/user")" ] \
    || differs "$run: per-user files $(ls "$OUT/$run/user" | tr '\n' ' ')instead of $(ls "$EXPECTED/$run/user" | tr '\n' ' ')"
  for file in "$EXPECTED/$run/user"/*; do
    name=$(basename "$file")
    [ -e "$OUT/$run/user/$name" ] || continue
    clear "$file" > "$WORK/expected.txt" || differs "$run: recorded $name unreadable"
    clear "$OUT/$run/user/$name" > "$WORK/got.txt" || differs "$run: $name unreadable"
    cmp -s "$WORK/expected.txt" "$WORK/got.txt" && continue
    differs "$run: per-user file $name (recorded < > now)"
    diff "$WORK/expected.txt" "$WORK/got.txt" | cut -c1-200 | head -20
  done
done

# Simulations line by line, each mismatch with the command that prints it.
sims=0
while read -r set level seed strength sum last; do
  case $set in '#'*) continue ;; esac
  got=$(grep "^$set $level $seed $strength " "$OUT/simulate.txt")
  if [ "$got" = "$set $level $seed $strength $sum $last" ]; then
    sims=$((sims + 1))
  else
    differs "simulate set $set level $level seed $seed strength $strength: expected '$sum $last', got '${got#"$set $level $seed $strength "}'"
    echo "  see: $TOOL simulate --data $DATA --set $set --level $level --seed $seed --human-difficulty $strength"
  fi
done < "$EXPECTED/simulate.txt"
[ "$(grep -vc '^#' "$EXPECTED/simulate.txt")" = "$(grep -vc '^#' "$OUT/simulate.txt")" ] \
  || differs "simulate: $(grep -vc '^#' "$OUT/simulate.txt") combinations run, $(grep -vc '^#' "$EXPECTED/simulate.txt") recorded"

[ $failures = 0 ] || fail "$failures differences from the recorded outputs (tests/golden/golden_test.sh --record records anew once a change is meant)"
[ $shots -ge 10 ] && [ $sims -ge 100 ] || fail "too little compared: $shots pictures, $sims simulations"
echo "ok ($shots pictures, the per-user files of $(echo $RUNS | wc -w) runs, $sims simulations alike)"
