# Scripted input enters through the window's message path and reaches the
# screen at the right client coordinates; the right button's held state is seen;
# bad scripts and a malformed --play are refused with status 2.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"

cat > "$WORK/script.txt" <<SCRIPT
2 move 100 300
3 ldown 100 300
3 lup 100 300
4 char 120
5 rdown 10 10
8 screenshot $WORK/held.png
9 rup 10 10
12 ldown 700 40
12 lup 700 40
14 quit
SCRIPT
timeout "$RUN_TIMEOUT" "$CHROMAL" --test-screen --user-dir "$WORK/user" --windowed --no-pacing --replay "$WORK/script.txt" \
  --screenshot "$WORK/end.png" || fail "exit code $?"
# While held: orange quad; marker at the first click; typed character: cyan quad.
probe "$WORK/held.png" 100 300 $WHITE 400 100 $ORANGE 650 450 $CYAN 120 300 $BG
# Released: no orange; the marker moved to the second click.
probe "$WORK/end.png" 400 100 $BG 700 40 $WHITE 100 300 $BG
expect_closed_log "$WORK/user"

# A bad script, or a malformed --play, is refused before any window opens.
echo "1 fly 2 3" > "$WORK/bad.txt"
timeout "$RUN_TIMEOUT" "$CHROMAL" --test-screen --user-dir "$WORK/user2" --replay "$WORK/bad.txt" 2>"$WORK/err.txt"
[ $? -eq 2 ] || fail "bad script accepted"
grep -q "line 1" "$WORK/err.txt" || fail "no line number in: $(cat "$WORK/err.txt")"
for bad in chess:1 classic:0; do
  timeout "$RUN_TIMEOUT" "$CHROMAL" --user-dir "$WORK/user2" --play "$bad" 2>/dev/null
  [ $? -eq 2 ] || fail "--play $bad accepted"
done
echo "ok"
