# The zones' outline and the rival's move, on classic level 2 (seed 3): the
# outline around the homes goes when "Show zones" is unchecked from the
# keyboard on the options screen, and only there; after the rival's answer the
# flowers it took glow and fade, and its plate shows its flower (yellow) until
# the player moves again, from the keyboard.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
TOOL="$BUILD_DIR/tools/chromal-tool"
need_data "$DATA/mui/options_wnd.txt"

# play USER LINES...: classic level 2 with the insects landed at once.
play() {
  local user=$1; shift
  printf '%s\n' "20 ldown 790 590" "20 lup 790 590" "$@" > "$WORK/script.txt"
  replay "$user" "$WORK/script.txt" "play" --play classic:2
}
for user in on off; do
  mkdir -p "$WORK/$user"
  echo "m_hints 0" | "$TOOL" encipher --key vum - "$WORK/$user/dx_demo.cfg" || fail "cannot write the settings"
done
# Options, five Tabs to the "Show zones" box, Space; Escape twice quits.
{ click 30 400 457; for f in 54 58 62 66 70; do echo "$f key 9"; done
  echo "80 key 32"; echo "90 screenshot $WORK/options.png"; echo "100 key 27"; echo "130 key 27"; } > "$WORK/options.txt"
replay "$WORK/off" "$WORK/options.txt" options
grep -qx "m_show_zones 0" <(("$TOOL" show settings --user-dir "$WORK/off")) || fail "Show zones not unchecked"
expect_few "$WORK/options.png" 334 460 358 486 3c8c3c 30 10 "the Show zones box still checked"

play "$WORK/off" "140 screenshot $WORK/off.png" "150 quit"
# A flower beside the home, then keys 1-3 (the first allowed one plays).
play "$WORK/on" "140 screenshot $WORK/on.png" "$(click 150 67 282)" "153 move 790 590" "270 screenshot $WORK/glow.png" \
  "330 screenshot $WORK/faded.png" "340 key 49" "341 key 50" "342 key 51" "346 screenshot $WORK/moved.png" "350 quit"

# The player's home (left) and the rival's (right) are outlined; the middle of
# the board, away from both zones, is the same.
expect_changed "$WORK/on.png" "$WORK/off.png" 0 250 70 315 150 "no outline around the player's home"
expect_changed "$WORK/on.png" "$WORK/off.png" 740 250 800 315 40 "no outline around the rival's home"
expect_colour "$WORK/on.png" 0 250 70 315 fff5b3 30 100 "the player's line is not bright"
expect_few "$WORK/off.png" 0 250 70 315 fff5b3 30 5 "a bright line with the zones off"
n=$("$PROBE" "$WORK/on.png" changed "$WORK/off.png" 150 100 650 500) || fail "cannot compare"
[ "$n" -eq 0 ] || fail "the outline changed $n pixels away from the zones"
# The glow over the rival's new flowers fades; the middle of the board stays.
expect_changed "$WORK/glow.png" "$WORK/faded.png" 560 100 756 360 1000 "no glow over the rival's flowers"
n=$("$PROBE" "$WORK/glow.png" changed "$WORK/faded.png" 100 100 500 500) || fail "cannot compare"
[ "$n" -eq 0 ] || fail "$n pixels changed away from the rival's move"
# The rival's flower on its plate, from its move to the player's next one.
expect_few "$WORK/on.png" 751 14 786 49 e0c030 40 10 "a flower on the rival's plate before it moved"
expect_colour "$WORK/glow.png" 751 14 786 49 e0c030 40 150 "the rival's flower not on its plate"
expect_colour "$WORK/faded.png" 751 14 786 49 e0c030 40 150 "the rival's flower gone before the player moved"
expect_few "$WORK/moved.png" 751 14 786 49 e0c030 40 10 "the rival's flower stays after the player's move"
echo "ok"
