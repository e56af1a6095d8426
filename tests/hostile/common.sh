# Shared by the hostile tests: sourced with BUILD_DIR, SOURCE_DIR and DATA_DIR
# set. They run the sanitizer-built game, so any memory fault or undefined
# behaviour shows up as a report on its standard error.
set -uo pipefail
CHROMAL="$BUILD_DIR/chromal"
TOOL="$BUILD_DIR/tools/chromal-tool"
WORK=$(mktemp -d /tmp/chromal-hostile.XXXXXX)
# An X server of its own, so the hostile tests run side by side.
source "$SOURCE_DIR/scripts/xvfb-lib.sh"
trap 'stop_xvfb; chmod -R u+rwx "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
start_xvfb || exit 1
[ -x "$CHROMAL" ] && [ -x "$TOOL" ] || { echo "no game or tool in $BUILD_DIR"; exit 1; }
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

fail() { echo "FAIL: $*"; exit 1; }

# The generated data: the folder given, else made once in the build folder
# with this tree's own generator and packer.
if [ ! -f "$DATA_DIR/mui/main_wnd.txt" ] && [ ! -f "$DATA_DIR/data.pk" ]; then
  DATA_DIR="$BUILD_DIR/hostile-data"
  GEN="$BUILD_DIR/tools/datagen/chromal-datagen"
  [ -x "$GEN" ] || { echo "no data and no generator: build chromal-datagen"; exit 1; }
  if [ ! -f "$BUILD_DIR/hostile-data.stamp" ] || [ "$GEN" -nt "$BUILD_DIR/hostile-data.stamp" ]; then
    echo "generating data into $DATA_DIR"
    rm -rf "$DATA_DIR"
    "$GEN" "$DATA_DIR" >/dev/null || fail "data generator"
    "$TOOL" pack build "$WORK/data.pk" "$DATA_DIR" --encipher || fail "packing the data"
    mv "$WORK/data.pk" "$DATA_DIR/data.pk"
    touch "$BUILD_DIR/hostile-data.stamp"
  fi
fi
DATA="$DATA_DIR"

# run_game USER_DIR NAME [OPTIONS...]: the game to the main menu and out
# again through the whole shutdown (as the user RUN_AS names, if set); its
# standard error goes to $WORK/NAME.err and its exit code to $RC.
run_game() {
  local user=$1 name=$2
  shift 2
  timeout 120 ${RUN_AS:-} "$CHROMAL" --user-dir "$user" --windowed --no-pacing --frames "${FRAMES:-120}" \
    --data "$DATA" "$@" 2> "$WORK/$name.err"
  RC=$?
}

# expect_clean NAME: exit code 0 and no sanitizer report.
expect_clean() {
  if grep -qE "AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:" "$WORK/$1.err"; then
    grep -vE "^ALSA" "$WORK/$1.err" | head -40
    fail "$1: sanitizer report"
  fi
  [ "$RC" -eq 0 ] || { tail -5 "$WORK/$1.err"; fail "$1: exit code $RC"; }
}

# Keys of the per-user files, as chromal-tool names them.
SETTINGS_KEY=vum
SAVE_KEY='slotstate@#&'
TOP7_KEY='zpqrtu%#%8127'
STATS_KEY='tally&%#31'

# encipher KEY OUT: standard input enciphered into OUT.
encipher() { "$TOOL" encipher --key "$1" > "$2" || fail "enciphering $2"; }

# Deterministic pseudo-random bytes: bytes COUNT SEED.
bytes() {
  local count=$1 i one out=""
  RANDOM=$2
  for ((i = 0; i < count; i++)); do
    printf -v one '\\%03o' $((RANDOM % 256))
    out+=$one
  done
  printf "$out"
}
