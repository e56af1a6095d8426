# From a saved game one move from its end to the top-7 page: the game resumes
# with no life and no money, the move loses the level, "GAME OVER" asks for a
# name, the typed name goes into the classic list (written at once, so even a
# killed program keeps it), and the next run's top-7 page shows it.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
[ -f "$DATA/mui/main_wnd.txt" ] || { echo "no generated data: skipped"; exit 0; }
TOOL="$BUILD_DIR/tools/chromal-tool"
KEY='slotstate@#&'

click() { echo "$1 move $2 $3"; echo "$(($1 + 1)) ldown $2 $3"; echo "$(($1 + 2)) lup $2 $3"; }

# A real save of classic level 2, then its board rewritten: everything the
# rival's colour 1 but the human's home (colour 2) and its right-hand
# neighbour (colour 3), the one free flower left.
timeout 60 "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 3 \
  --play classic:2 --frames 400 2>/dev/null || fail "saving run: exit code $?"
"$TOOL" decipher --key "$KEY" "$WORK/user/saved_demo.dat" > "$WORK/plain.txt" || fail "no saved game"
read -r rows columns < <("$TOOL" board --data "$DATA" --set classic --level 1 | awk '/^rows/{r=$2} /^columns/{c=$2} END{print r, c}')
home=0
for ((r = 0; r < rows / 2; r++)); do home=$((home + columns - rows / 2 + r)); done
awk -v home="$home" '
/^gamedata.fieldstate / {
  s = $0; sub(/^gamedata.fieldstate "/, "", s); sub(/"$/, "", s)
  n = split(s, t, " "); out = t[1]; cell = 0
  for (i = 2; i <= n; ) {
    if (t[i] == "50") { out = out " 50"; i++ }
    else { out = out " " (cell == home ? "02" : cell == home + 1 ? "03" : "01"); i += (t[i] == "60") ? 3 : 1 }
    cell++
  }
  print "gamedata.fieldstate \"" out " \""; next }
/^gamedata.playermoney / { print "gamedata.playermoney 0"; next }
/^gamedata.playerlifes / { print "gamedata.playerlifes 0"; next }
/^gamedata.totalscore / { print "gamedata.totalscore 40"; next }
{ print }' "$WORK/plain.txt" > "$WORK/crafted.txt"
"$TOOL" encipher --key "$KEY" "$WORK/crafted.txt" "$WORK/user/saved_demo.dat" || fail "cannot write the save"

# The free flower sits one cell right of the home, at the middle row's left end.
x=$(awk -v c="$columns" 'BEGIN { w = 776 / c; printf "%d", 12 + w * 1.5 }')
{
  click 10 400 247                 # play: the continue dialog
  click 70 400 370                 # continue
  click 200 "$x" 285               # the last free flower: the level is lost
  echo "330 screenshot $WORK/over.png"
  click 340 400 300                # click to continue: the name dialog
  for c in 65 100 97; do echo "400 char $c"; done   # "Ada"
  echo "420 screenshot $WORK/name.png"
  click 430 400 380                # OK
  echo "800 screenshot $WORK/top.png"
  echo "810 quit"
} > "$WORK/play.txt"
timeout 60 "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 3 \
  --replay "$WORK/play.txt" 2>/dev/null || fail "game run: exit code $?"
[ -n "${CHROMAL_KEEP_SHOTS:-}" ] && cp "$WORK"/*.png "$CHROMAL_KEEP_SHOTS"/
"$TOOL" show top7 --user-dir "$WORK/user" > "$WORK/top7.txt" || fail "top-7 unreadable"
grep -qx 'top7.rec_name000000 Ada' "$WORK/top7.txt" || fail "no Ada in the classic list: $(head -3 "$WORK/top7.txt")"
grep -qx 'top7.rec_points000000 42' "$WORK/top7.txt" || fail "wrong score: $(grep points000000 "$WORK/top7.txt")"
"$TOOL" show save --user-dir "$WORK/user" | grep -q fieldstate && fail "the finished game is still offered"
for shot in over name top; do
  [ "$("$PROBE" "$WORK/$shot.png" size)" = "800 600" ] || fail "no $shot screenshot"
done
cmp -s "$WORK/name.png" "$WORK/top.png" && fail "OK did not leave the name dialog"

# The next run: the menu's top-7 button shows the same page with the name.
{ click 10 400 387; echo "60 screenshot $WORK/top2.png"; echo "70 quit"; } > "$WORK/again.txt"
timeout 60 "$CHROMAL" --user-dir "$WORK/user" --data "$DATA" --windowed --no-pacing --seed 3 \
  --replay "$WORK/again.txt" 2>/dev/null || fail "second run: exit code $?"
"$TOOL" show top7 --user-dir "$WORK/user" | grep -qx 'top7.rec_name000000 Ada' || fail "Ada lost at restart"
[ -n "${CHROMAL_KEEP_SHOTS:-}" ] && cp "$WORK/top2.png" "$CHROMAL_KEEP_SHOTS"/
echo "ok"
