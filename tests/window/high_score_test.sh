# From a saved game one move from its end to the top-7 page: the game resumes
# with no life and no money, the move loses the level, "GAME OVER" asks for a
# name, Escape takes the typed name into the classic list (written at once, so
# even a killed program keeps it), and the next run's top-7 page shows it. Then
# the same end again with real X keys: Space at "GAME OVER" opens the dialog
# without typing a blank, a name typed and pasted from the clipboard, and Tab
# and Space press OK. The top-7 page's Stats button (clicked, or Tab and
# Space) opens the statistics, with the lost level counted.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"
# The one free flower left is right of the human's home.
base_save
craft_save lose 0 0 "$WORK/user"
{
  click 10 400 247                 # play: the continue dialog
  click 70 400 370                 # continue
  click 200 "$x" 285               # the last free flower: the level is lost
  echo "330 screenshot $WORK/over.png"
  click 340 400 300                # click to continue: the name dialog
  for c in 65 100 97; do echo "400 char $c"; done   # "Ada"
  echo "420 screenshot $WORK/name.png"
  echo "430 key 27"                # Escape: the name goes in all the same
  echo "800 screenshot $WORK/top.png"
  echo "810 quit"
} > "$WORK/play.txt"
replay "$WORK/user" "$WORK/play.txt" "game run"
"$TOOL" show top7 --user-dir "$WORK/user" > "$WORK/top7.txt" || fail "top-7 unreadable"
grep -qx 'top7.rec_name000000 Ada' "$WORK/top7.txt" || fail "no Ada in the classic list: $(head -3 "$WORK/top7.txt")"
grep -qx 'top7.rec_points000000 42' "$WORK/top7.txt" || fail "wrong score: $(grep points000000 "$WORK/top7.txt")"
# "GAME OVER" in white over the board; the name dialog's panel with the typed
# name in yellow; the top-7 page (Escape has left the dialog) whose first row
# (the new name and score) differs from the third (still a default one, in the
# same band colour).
expect_colour "$WORK/over.png" 200 245 600 295 ffffff 30 3500 "no GAME OVER"
expect_colour "$WORK/name.png" 160 185 640 415 ece3c8 24 50000 "no name dialog"
expect_colour "$WORK/name.png" 245 272 555 312 ffff00 60 200 "no typed name in the dialog"
probe "$WORK/top.png" 200 240 aec790
expect_changed "$WORK/top.png" "$WORK/top.png" 270 188 600 214 500 "the first row of the top-7 page is a default one" 0 80

# The next run: the menu's top-7 button shows the same page with the name;
# its Stats button the statistics, Enter the top-7 page again, and Tab to
# Stats with Space the statistics once more.
{
  click 10 400 387; echo "60 screenshot $WORK/top2.png"
  click 70 700 62; echo "100 screenshot $WORK/stats.png"
  echo "110 key 13"; echo "140 screenshot $WORK/back.png"
  for f in 150 152 154 156; do echo "$f key 9"; done; echo "158 key 32"; echo "190 screenshot $WORK/stats2.png"
  echo "200 quit"
} > "$WORK/again.txt"
replay "$WORK/user" "$WORK/again.txt" "second run"
"$TOOL" show top7 --user-dir "$WORK/user" | grep -qx 'top7.rec_name000000 Ada' || fail "Ada lost at restart"
expect_changed "$WORK/top2.png" "$WORK/top2.png" 270 188 600 214 500 "the next run's top-7 page shows no new row" 0 80
# The statistics' captions and figures in dark ink on the parchment, the lost
# level and its score counted; Enter went back to the top-7 page.
for shot in stats stats2; do
  expect_colour "$WORK/$shot.png" 80 160 330 360 4d331a 40 3000 "no statistics page in $shot"
done
expect_few "$WORK/back.png" 80 160 330 360 4d331a 40 2000 "Enter left the statistics open"
probe "$WORK/back.png" 200 240 aec790
[ "$("$TOOL" show stats --user-dir "$WORK/user" | grep -cxE "stats.classic.(lost 1|best_score 42|won 0)")" -eq 3 ] \
  || fail "the lost level not in the statistics: $("$TOOL" show stats --user-dir "$WORK/user" | grep classic)"

# Paced, with the replay bringing "GAME OVER" up; the rest comes from X: Space
# (its own blank must not start the name), "Ada" typed, the paste (its tab
# becomes a space, the name stops at 15), Tab to OK and Space on it.
craft_save lose 0 0 "$WORK/user2"
sed -n '1,/screenshot/p' "$WORK/play.txt" | sed "s|screenshot .*|screenshot $WORK/ready.png|" > "$WORK/keys.txt"
"$CHROMAL" --user-dir "$WORK/user2" --data "$DATA" --windowed --seed 3 --replay "$WORK/keys.txt" 2>/dev/null &
pid=$!
for _ in $(seq 1 300); do [ -s "$WORK/ready.png" ] && break; sleep 0.1; done
[ -s "$WORK/ready.png" ] || { kill $pid; fail "GAME OVER never came"; }
id=$(wait_window) || { kill $pid; fail "no window"; }
# -quiet keeps the clipboard's owner in the foreground, so it can be ended here.
printf 'Grace\tHopper and more' | xclip -quiet -selection clipboard -i 2>/dev/null &
owner=$!
sleep 0.2
xdotool windowactivate --sync "$id" 2>/dev/null
xdotool key space
sleep 0.5
xdotool type Ada
xdotool key ctrl+v Tab space
# The table is written as the name goes in; Escape then leaves the fading
# game, the top-7 page and the menu, whenever each has come up.
for _ in $(seq 1 200); do
  "$TOOL" show top7 --user-dir "$WORK/user2" 2>/dev/null | grep -q Grace && break
  sleep 0.1
done
for _ in $(seq 1 60); do
  kill -0 $pid 2>/dev/null || break
  xdotool key Escape
  sleep 0.5
done
kill -0 $pid 2>/dev/null && { kill $pid; fail "Escape did not end the program"; }
kill $owner 2>/dev/null
wait $pid || fail "paste run: exit code $?"
"$TOOL" show top7 --user-dir "$WORK/user2" | grep -qx 'top7.rec_name000000 "AdaGrace Hopper"' \
  || fail "typed and pasted name: $("$TOOL" show top7 --user-dir "$WORK/user2" | head -1)"
echo "ok"
