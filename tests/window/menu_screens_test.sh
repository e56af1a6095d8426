# The help and options screens in a real window, opened from the stand-in
# screen with H and O, drawn from a small data folder made here: banded
# pictures show the right look of each control, upright and in place.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"

DATA="$WORK/data"
mkdir -p "$DATA/mui"
# tga FILE WIDTH ROWS:RRGGBB...: a 32-bit picture of horizontal bands, the
# first band stored first (the bottom of the picture, texture t = 0).
tga() {
  perl -e 'my ($f, $w, @bands) = @ARGV; my @rows;
    for (@bands) { my ($n, $c) = split /:/; push @rows, ($c) x $n }
    open my $o, ">", $f or die; binmode $o;
    print $o pack("CCCvvCvvvvCC", 0, 0, 2, 0, 0, 0, 0, 0, $w, scalar @rows, 32, 8);
    for my $c (@rows) { my ($r, $g, $b) = map { hex } unpack("A2A2A2", $c);
      print $o pack("CCCC", $b, $g, $r, 255) x $w }' "$@"
}
BLUE=0000ff; GREY=808080; PURPLE=600060; OLIVE=606000; PIC1=c08040; PIC2=40c080
DARKGREEN=008000
tga "$DATA/mui/btn.tga" 64 32:$BLUE 32:$CYAN 32:$YELLOW 32:$GREY
tga "$DATA/mui/box.tga" 32 32:$RED 32:$ORANGE 32:$GREEN 32:$DARKGREEN
tga "$DATA/mui/thumb.tga" 16 16:$WHITE 16:$MAGENTA
tga "$DATA/mui/help_back.tga" 16 16:$PURPLE
tga "$DATA/mui/options_back.tga" 16 16:$OLIVE
tga "$DATA/mui/pic1.tga" 16 16:$PIC1
tga "$DATA/mui/pic2.tga" 16 16:$PIC2
echo "file_name mui/pic1.tga" > "$DATA/mui/pic1.spr"
echo "file_name mui/pic2.tga" > "$DATA/mui/pic2.spr"
printf '%s\n' "m_back_btn mui/btn.tga" "m_help_next_btn mui/btn.tga" "m_help_prev_btn mui/btn.tga" \
  "m_check_box mui/box.tga" "m_music_track_bar mui/thumb.tga" "m_help_window_back mui/help_back.tga" \
  "m_options_window_back mui/options_back.tga" > "$DATA/mui/resourses.txt"
# place NAME X Y...: layout lines of controls.
place() { while [ $# -ge 3 ]; do printf '%s.x %s\n%s.y %s\n' "$1" "$2" "$1" "$3"; shift 3; done; }
place m_close_btn 20 520 m_next_btn 700 520 m_prev_btn 600 520 > "$DATA/mui/help_wnd.txt"
place m_close_btn 20 520 m_musik_volume_track_bar 300 100 m_sound_cb 300 200 m_hints_cb 300 250 \
  m_dragons_cb 300 300 m_fs_cb 300 350 > "$DATA/mui/options_wnd.txt"
cat > "$DATA/mui/help.xml" <<TXT
<help>
  <page><block width="100" height="60"><pos x="400" y="300"></pos><image>mui/pic1.spr</image></block></page>
  <page><block width="100" height="60"><pos x="400" y="300"></pos><image>mui/pic2.spr</image></block></page>
</help>
TXT

cat > "$WORK/script.txt" <<SCRIPT
3 key 72
5 screenshot $WORK/help1.png
6 move 732 536
7 ldown 732 536
8 lup 732 536
10 screenshot $WORK/help2.png
11 key 27
13 screenshot $WORK/back.png
15 key 79
17 screenshot $WORK/options1.png
18 move 310 260
19 ldown 310 260
20 lup 310 260
22 screenshot $WORK/options2.png
23 key 27
25 quit
SCRIPT
# The loudest music there is, as a player left it.
mkdir -p "$WORK/user"
echo "m_music_volume 100" | "$BUILD_DIR/tools/chromal-tool" encipher --key vum - "$WORK/user/dx_demo.cfg" \
  || fail "cannot write the settings"
timeout "$RUN_TIMEOUT" "$CHROMAL" --test-screen --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 3 \
  --replay "$WORK/script.txt" || fail "exit code $?"

# Help, page 1: its picture centred at (400, 300), 100 by 60; next in its
# normal look, previous disabled; the background everywhere else.
probe "$WORK/help1.png" 5 5 $PURPLE 795 595 $PURPLE 400 300 $PIC1 355 275 $PIC1 444 324 $PIC1 \
  345 300 $PURPLE 400 335 $PURPLE 732 525 $BLUE 763 550 $BLUE 632 536 $GREY 40 536 $BLUE
# Page 2 after a click on next: the other picture; next is now disabled and
# previous enabled.
probe "$WORK/help2.png" 400 300 $PIC2 732 536 $GREY 632 536 $BLUE
# Escape went back to the stand-in screen.
probe "$WORK/back.png" 5 5 $BG 60 60 $RED
# Options: full volume puts the thumb at the end of its 204-unit track;
# boxes checked from the defaults; the caption area beside a box belongs to it
# only for the mouse.
probe "$WORK/options1.png" 5 5 $OLIVE 512 108 $WHITE 498 108 $OLIVE 526 108 $OLIVE 316 216 $GREEN \
  316 266 $GREEN 316 316 $GREEN 316 366 $RED 360 216 $OLIVE
# A click on the hints box unchecks it; the mouse is still over it.
probe "$WORK/options2.png" 316 266 $ORANGE 316 216 $GREEN
expect_closed_log "$WORK/user"
# Showing the options changed no other setting.
settings=$("$BUILD_DIR/tools/chromal-tool" show settings --user-dir "$WORK/user")
grep -qx "m_hints 0" <<<"$settings" || fail "the hints setting was not saved"
grep -qx "m_music_volume 100" <<<"$settings" || fail "volume changed: $(grep volume <<<"$settings")"

echo "ok"
