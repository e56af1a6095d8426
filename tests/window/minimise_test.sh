# Minimising (the test screen's M key) iconifies the window; restoring it
# through the window manager brings the picture back, windowed.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"

start_active --test-screen --user-dir "$WORK/user" --windowed --screenshot "$WORK/end.png"
xdotool key m
for _ in $(seq 1 50); do hidden "$id" && break; sleep 0.1; done
hidden "$id" || { kill $pid; fail "the window was not minimised"; }
xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowmap "$id"
sleep 0.5
xprop -id "$id" _NET_WM_STATE 2>/dev/null | grep -q HIDDEN && { kill $pid; fail "the window stayed minimised"; }
xdotool key Escape
expect_exit $pid Escape
probe "$WORK/end.png" 60 60 $RED 320 370 $YELLOW
expect_closed_log "$WORK/user"
# Not minimised at exit: the window position was written.
"$BUILD_DIR/tools/chromal-tool" show settings --user-dir "$WORK/user" | grep -q "^x " || fail "no window position saved"
echo "ok"
