# A windowed run of a fixed number of frames draws the test screen the right
# way up, saves a PNG of its last frame and shuts down cleanly.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"

timeout "$RUN_TIMEOUT" "$CHROMAL" --test-screen --user-dir "$WORK/user" --windowed --frames 30 --seed 1 \
  --screenshot "$WORK/shot.png" || fail "exit code $?"
[ "$("$PROBE" "$WORK/shot.png" size)" = "800 600" ] || fail "size $("$PROBE" "$WORK/shot.png" size)"
# Background corners, the red quad top left, the green top right, the texture
# quadrants (yellow top left, white bottom right): upside-down or shifted
# pictures fail here.
probe "$WORK/shot.png" 5 5 $BG 794 594 $BG 60 60 $RED 240 190 $RED 560 60 $GREEN \
  320 370 $YELLOW 480 370 $MAGENTA 320 530 $CYAN 480 530 $WHITE 400 100 $BG 650 450 $BG
expect_closed_log "$WORK/user"
[ -s "$WORK/user/dx_demo.cfg" ] || fail "no settings file written"
# --windowed held for this run only: the default full-screen setting is kept.
"$BUILD_DIR/tools/chromal-tool" show settings --user-dir "$WORK/user" | grep -qx "m_is_full_screen_loaded 1" \
  || fail "the full-screen setting was not kept"
echo "ok"
