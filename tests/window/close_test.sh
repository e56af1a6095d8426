# Closing the window through the window manager (Alt+F4 in openbox) ends the
# program with the full shutdown.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"

start_active --test-screen --user-dir "$WORK/user" --windowed
xdotool key alt+F4
expect_exit $pid closing
expect_closed_log "$WORK/user"
echo "ok"
