# The window carries the generated icon and the class the desktop entry names,
# so that task bars and window switchers show the game's name and picture.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"

start_game --data "$DATA" --user-dir "$WORK/user" --windowed --frames 100 2>/dev/null
class=$(xprop -id "$id" WM_CLASS)
icon=$(xprop -id "$id" -notype -format _NET_WM_ICON 32c _NET_WM_ICON)
wait $pid || fail "exit code $?"

wanted=$(sed -n 's/^StartupWMClass=//p' "$SOURCE_DIR/desktop/io.github.wendrake.Chromal.desktop")
[ -n "$wanted" ] || fail "the desktop entry names no window class"
[ "$class" = "WM_CLASS(STRING) = \"$wanted\", \"$wanted\"" ] || fail "window class $class, the entry says $wanted"
# Width, height, then ARGB pixels from the top left: a 64x64 picture with a
# transparent corner and an opaque middle.
read -r -a values <<<"$(echo "${icon#*= }" | tr -d ',')"
[ "${values[0]:-}" = 64 ] && [ "${values[1]:-}" = 64 ] || fail "no 64x64 icon: ${icon:0:80}"
[ $((values[2] >> 24)) -eq 0 ] || fail "the icon's corner is not transparent"
[ $((values[2 + 32 * 64 + 32] >> 24)) -eq 255 ] || fail "the icon's middle is not opaque"
echo "ok"
