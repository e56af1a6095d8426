# Full screen and back: the 800x600 picture is scaled to the whole screen,
# scripted clicks keep their client coordinates, and the texture made before
# the switch still draws afterwards (the GL context is kept). The player's
# switch is saved even when the run began with --windowed; --fullscreen holds
# for its run alone.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"

cat > "$WORK/script.txt" <<SCRIPT
5 key 70
15 ldown 100 300
15 lup 100 300
20 screenshot $WORK/full.png
25 key 122
35 screenshot $WORK/window.png
40 quit
SCRIPT
timeout "$RUN_TIMEOUT" "$CHROMAL" --test-screen --user-dir "$WORK/user" --windowed --no-pacing --replay "$WORK/script.txt" \
  || fail "exit code $?"
read -r w h < <(xdotool getdisplaygeometry)
[ "$("$PROBE" "$WORK/full.png" size)" = "$w $h" ] || fail "full screen size $("$PROBE" "$WORK/full.png" size)"
# 1024x768 is 800x600 scaled by 1.28.
probe "$WORK/full.png" 5 5 $BG 77 77 $RED 400 77 $BG 717 77 $GREEN 410 474 $YELLOW 614 474 $MAGENTA \
  410 690 $CYAN 614 690 $WHITE 128 384 $WHITE
[ "$("$PROBE" "$WORK/window.png" size)" = "800 600" ] || fail "window size after full screen"
probe "$WORK/window.png" 60 60 $RED 320 370 $YELLOW 480 530 $WHITE 100 300 $WHITE
expect_closed_log "$WORK/user"

# Starting in full screen, then plainly: the window the player went back to.
timeout "$RUN_TIMEOUT" "$CHROMAL" --test-screen --user-dir "$WORK/user" --fullscreen --frames 10 --screenshot "$WORK/start.png" \
  || fail "exit code $?"
[ "$("$PROBE" "$WORK/start.png" size)" = "$w $h" ] || fail "--fullscreen size"
probe "$WORK/start.png" 410 474 $YELLOW 614 690 $WHITE
timeout "$RUN_TIMEOUT" "$CHROMAL" --test-screen --user-dir "$WORK/user" --frames 10 --screenshot "$WORK/plain.png" \
  || fail "exit code $?"
[ "$("$PROBE" "$WORK/plain.png" size)" = "800 600" ] || fail "plain start at $("$PROBE" "$WORK/plain.png" size), not the window"
echo "ok"
