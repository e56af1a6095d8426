# A window the window manager resizes: the 800x600 picture is scaled to the
# largest size that fits, centred between black bars, and the pointer lands
# where it points at every size. On a 1920x1080 screen a first start opens
# at 1.5 times 800x600, centred; the size comes back at the next start; Alt+Enter,
# F11 and the window manager's maximise switch and return without losing it;
# the frameless window's corner resizes it.
BUILD_DIR=$1 SOURCE_DIR=$2
CHROMAL_XVFB_SCREEN=1920x1080x24
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/options_wnd.txt"
TOOL="$BUILD_DIR/tools/chromal-tool"

# at W H LX LY: the window pixel at the middle of logical pixel (LX, LY) in a
# W by H client, worked out here rather than by the program.
at() {
  awk -v w="$1" -v h="$2" -v x="$3" -v y="$4" 'BEGIN {
    s = w / 800; if (h / 600 < s) s = h / 600
    left = int((w - int(800 * s + 0.5)) / 2); top = int((h - int(600 * s + 0.5)) / 2)
    printf "%d %d\n", left + int((x + 0.5) * s), top + int((y + 0.5) * s) }'
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$id")"; echo "$X $Y $WIDTH $HEIGHT"; }
# resize W H: the window manager's resize, waited for.
resize() {
  xdotool windowsize --sync "$id" "$1" "$2" 2>/dev/null
  for _ in $(seq 1 30); do [ "$(geometry | cut -d' ' -f3-)" = "$1 $2" ] && break; sleep 0.1; done
  sleep 0.3
}
# click_logical LX LY: a real click at that point of the picture.
click_logical() {
  local p
  read -r X Y WIDTH HEIGHT < <(geometry)
  read -r -a p < <(at "$WIDTH" "$HEIGHT" "$1" "$2")
  xdotool mousemove $((X + p[0])) $((Y + p[1])) click 1
  sleep 0.3
}
setting() { "$TOOL" decipher --key vum "$WORK/user/dx_demo.cfg" | sed -n "s/^$1 //p"; }

# 1. First start, then wide: the options' sound box and fierce opponent clicked
# through the scaled picture, the picture dragged, a click marked, the bars black.
start_active --test-screen --data "$DATA" --user-dir "$WORK/user" --windowed --screenshot "$WORK/wide.png"
[ "$(geometry)" = "360 90 1200 900" ] || { kill $pid; fail "first window at $(geometry), wanted 1200x900 centred"; }
resize 1400 500
xdotool key o
sleep 0.3
click_logical 345 270 # the sound box
click_logical 660 488 # the fierce opponent's caption
xdotool key Escape
sleep 0.3
drag_window $(at 1400 500 400 300) "a drag at 1400x500"
x1=$X y1=$Y
click_logical 150 250
xdotool key Escape
expect_exit $pid "Escape at 1400x500"
[ "$("$PROBE" "$WORK/wide.png" size)" = "1400 500" ] || fail "wide capture is $("$PROBE" "$WORK/wide.png" size)"
# 500/600: a 667x500 picture at x 366; the marker at logical (150, 250).
probe "$WORK/wide.png" $(at 1400 500 150 250) $WHITE $(at 1400 500 175 250) $BG $(at 1400 500 100 100) $RED \
  $(at 1400 500 700 100) $GREEN 0 0 000000 365 250 000000 1033 250 000000 1399 499 000000
[ "$(setting m_sound) $(setting m_opponent)" = "0 2" ] \
  || fail "sound $(setting m_sound), opponent $(setting m_opponent) after the clicks at 1400x500"
[ "$(setting m_window_width) $(setting m_window_height) $(setting x) $(setting y)" = "1400 500 $x1 $y1" ] \
  || fail "settings keep $(setting m_window_width)x$(setting m_window_height) at $(setting x),$(setting y)"

# 2. The size and place come back; tall: the hints box hit, the gentle opponent
# taken by keys (backwards: Back, then the opponents from the right); full screen
# by both keys and back to the same window; maximised, a click marked there.
start_active --test-screen --data "$DATA" --user-dir "$WORK/user" --windowed --screenshot "$WORK/max.png"
[ "$(geometry)" = "$x1 $y1 1400 500" ] || { kill $pid; fail "restored at $(geometry)"; }
# The frameless window's bottom-right corner takes hold for a resize.
xdotool mousemove $((x1 + 1398)) $((y1 + 498)) mousedown 1
sleep 0.2
for step in 1 2 3 4 5; do xdotool mousemove $((x1 + 1398 - step * 20)) $((y1 + 498 + step * 10)); sleep 0.1; done
xdotool mouseup 1
sleep 0.3
[ "$(geometry)" = "$x1 $y1 1300 550" ] || { kill $pid; fail "the corner dragged to $(geometry), not $x1 $y1 1300 550"; }
resize 500 900
read -r x2 y2 _ < <(geometry)
xdotool key o
sleep 0.3
click_logical 345 320 # the hints box
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab space
sleep 0.3
xdotool key Escape
for key in F11 alt+Return; do
  xdotool key $key
  sleep 0.5
  [ "$(geometry | cut -d' ' -f3-)" = "1920 1080" ] || { kill $pid; fail "$key: not full screen ($(geometry))"; }
  xdotool key $key
  sleep 0.5
  [ "$(geometry)" = "$x2 $y2 500 900" ] || { kill $pid; fail "$key: back at $(geometry), not $x2 $y2 500 900"; }
done
# The window manager's own maximise, from its window menu.
xdotool key alt+space
sleep 0.3
xdotool key x
sleep 0.5
[ "$(geometry)" = "0 0 1920 1080" ] || { kill $pid; fail "not maximised: $(geometry)"; }
click_logical 700 550
xdotool key Escape
expect_exit $pid "Escape maximised"
[ "$(setting m_hints) $(setting m_opponent)" = "0 0" ] \
  || fail "hints $(setting m_hints), opponent $(setting m_opponent) after the click and keys at 500x900"
# 1080/600: a 1440x1080 picture at x 240.
probe "$WORK/max.png" $(at 1920 1080 700 550) $WHITE $(at 1920 1080 100 100) $RED 120 540 000000 1800 540 000000

# 3. The main menu redraws only where its dragons fly while the back buffer
# keeps the last frame; a resize must have it draw the whole picture anew, bars
# black. It quits by its frame count, so that no key forces a whole frame.
"$CHROMAL" --data "$DATA" --user-dir "$WORK/menu" --windowed --seed 3 --frames 200 --screenshot "$WORK/menu.png" \
  2>/dev/null &
pid=$!
id=$(wait_window) || { kill $pid; fail "no menu window"; }
sleep 0.5
resize 1000 400
expect_exit $pid "the menu's frame count"
[ "$("$PROBE" "$WORK/menu.png" size)" = "1000 400" ] || fail "menu capture is $("$PROBE" "$WORK/menu.png" size)"
probe "$WORK/menu.png" 0 0 000000 232 399 000000 767 0 000000 999 399 000000
# The picture drawn whole: the title's and the buttons' colours, not black.
expect_few "$WORK/menu.png" 233 0 767 400 000000 8 4000 "the menu's picture is not drawn whole after the resize"
echo "ok"
