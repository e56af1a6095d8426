# Real X input (XTEST through xdotool) reaches the screen at client
# coordinates, typed text arrives as characters, and Escape quits cleanly.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"

start_active --test-screen --user-dir "$WORK/user" --windowed --screenshot "$WORK/end.png"
eval "$(xdotool getwindowgeometry --shell "$id")"
xdotool mousemove $((X + 150)) $((Y + 250)) click 1
sleep 0.2
xdotool type x
sleep 0.3
xdotool key Escape
expect_exit $pid Escape
probe "$WORK/end.png" 150 250 $WHITE 650 450 $CYAN 170 250 $BG
expect_closed_log "$WORK/user"
echo "ok"

# Dragging empty screen area moves the window; in full screen a click at a
# screen pixel arrives in the 800x600 client pixels.
start_active --test-screen --user-dir "$WORK/user" --windowed --screenshot "$WORK/drag.png"
drag_window 400 250 "a drag"
xdotool key f
sleep 0.5
xdotool mousemove 640 384 click 1
sleep 0.3
xdotool key Escape
expect_exit $pid Escape
# Client (500, 300) drawn scaled by 1.28 at (640, 384).
probe "$WORK/drag.png" 640 384 $WHITE 660 384 $BG
echo "ok"
