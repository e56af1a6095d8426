# Keys the desktop keeps for itself do not reach the screens: Alt+Enter on the
# main menu switches full screen but never hides the game, while Enter alone
# (the hide key) minimises.
# A held Escape leaves the game for the menu once: its auto-repeat does not go
# on to quit from the menu. Back from full screen to a window by Alt+Enter or
# F11, the main menu and the level choice, both shown first in full screen,
# can be dragged by their empty area.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"

start_active --data "$DATA" --user-dir "$WORK/user" --windowed --seed 3 --play classic:3 2>/dev/null
xdotool keydown Escape
sleep 1.5
xdotool keyup Escape
sleep 0.3
kill -0 $pid 2>/dev/null || fail "a held Escape quit the game"
xdotool key alt+Return alt F10
sleep 1
hidden "$id" && { kill $pid; fail "Alt+Enter minimised the game"; }
xdotool key Return
for _ in $(seq 1 50); do hidden "$id" && break; sleep 0.1; done
hidden "$id" || { kill $pid; fail "Enter did not minimise: the keys never arrived"; }
xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowmap "$id"
sleep 0.5
xdotool key Escape
expect_exit $pid Escape
expect_closed_log "$WORK/user"

start_active --data "$DATA" --user-dir "$WORK/drag" --fullscreen --seed 3 2>/dev/null
xdotool key alt+Return
sleep 0.5
drag_window 100 100 "the main menu after Alt+Enter"
xdotool key F11 Tab space # the level choice, opened in full screen
sleep 0.5
xdotool key F11
sleep 0.5
drag_window 60 60 "the level choice after F11"
xdotool key Escape
sleep 0.3
xdotool key Escape
expect_exit $pid "Escape from the menu"
echo "ok"
