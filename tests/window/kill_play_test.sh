# A game killed at any moment resumes at its last completed turn: a scripted
# game is killed with SIGKILL again and again (during moves, bonus flights,
# a level's end message and the next level's opening) and each time resumed
# from what it saved. Every save must load exactly, be no older than the
# last turn completed well before the kill, and hold every coin once: the
# purse and the coins on the board never add up to more than the level had.
BUILD_DIR=$1 SOURCE_DIR=$2
source "$SOURCE_DIR/tests/window/common.sh"
DATA="$BUILD_DIR/data"
need_data "$DATA/mui/main_wnd.txt"
export SDL_AUDIODRIVER=dummy
# Three rounds aim at each moment (CHROMAL_KILL_ROUNDS=N for a longer hunt).
ROUNDS=${CHROMAL_KILL_ROUNDS:-12}
USER_DIR="$WORK/user"
LOG="$WORK/moments.txt"
# A save is written off the frame's thread (and waits for the disk); a turn
# completed this long before the kill must be on the disk, even under load.
LAG_MS=1500

# A classic game at level 2 with lives and money enough to buy bonuses and
# never to end, and settings without hints (they would hold up the keys).
base_save classic 2
mkdir -p "$USER_DIR"
sed -e 's/^gamedata.playermoney .*/gamedata.playermoney 5000/' -e 's/^gamedata.playerlifes .*/gamedata.playerlifes 40/' \
  "$WORK/plain.txt" | "$TOOL" encipher --key "$KEY" - "$USER_DIR/saved_demo.dat" || fail "cannot write the start"
echo "m_hints 0" | "$TOOL" encipher --key vum - "$USER_DIR/dx_demo.cfg" || fail "cannot write the settings"

# Play, continue, then a key every 4 frames: colours in turn, and Space
# every 24 keys (it goes on after a level); in "bonus.txt" every other key
# buys a bonus instead (it buys only while the human may move, so about half
# of the turns start with one).
for script in moves bonus; do
  {
    click 10 400 247
    click 70 400 370
    colours=(49 50 51 52 53 54)
    bonuses=(81 69 76 87)
    for ((f = 110, i = 0; f < 9000; f += 4, i++)); do
      if [ "$script" = bonus ] && [ $((i % 2)) -eq 0 ]; then
        echo "$f key ${bonuses[(i / 2) % 4]}"
      else
        echo "$f key ${colours[(i / 2) % 6]}"
      fi
      [ $((i % 24)) -eq 23 ] && echo "$((f + 2)) key 32"
    done
  } > "$WORK/$script.txt"
done

# save_line: the saved game as the log writes a moment (without its kind), or "none".
save_line() {
  "$TOOL" show save --user-dir "$USER_DIR" | awk '
    /^gamedata\./ { key = $1; sub(/^[^ ]* /, ""); gsub(/"/, ""); v[key] = $0 }
    END {
      if (!("gamedata.fieldstate" in v)) { print "none"; exit }
      print v["gamedata.level_num"] + 0, v["gamedata.playermoney"] + 0, v["gamedata.playerlifes"] + 0,
        v["gamedata.totalscore"] + 0, v["gamedata.skip_pending"] + 0, v["gamedata.fieldstate"] }'
}
# worth LINE: the purse plus the cents of the coins on the board.
worth() {
  awk '{ w = $2; for (i = 7; i <= NF; i++) if ($i == "60") { k = $(i + 2) + 0; w += k == 0 ? 1 : k == 1 ? 5 : k == 2 ? 10 : k == 3 ? 25 : 100; i += 2 }
         print w }' <<< "$1"
}
# rewrite_board MODE FILL: the saved game's board repainted by new_board:
# "win 02" is won, as a save made in a level's end message holds it (the
# level ends again as soon as the board has appeared); "coin 03" holds a
# dollar right of the human's home.
rewrite_board() {
  "$TOOL" decipher --key "$KEY" "$USER_DIR/saved_demo.dat" > "$WORK/now.txt" || fail "cannot read the save"
  board_shape classic "$(awk '/^gamedata.level_num /{print $2}' "$WORK/now.txt")"
  new_board "$1" "$WORK/now.txt" "$2" > "$WORK/rewritten.txt"
  "$TOOL" encipher --key "$KEY" "$WORK/rewritten.txt" "$USER_DIR/saved_demo.dat" || fail "cannot write the save"
}
# quit_after KEY: resumes the save, presses KEY once the board rests, and
# quits while what the key started still moves; prints the save then.
quit_after() {
  { click 10 400 247; click 70 400 370; echo "230 key $1"; echo "248 quit"; } > "$WORK/quit.txt"
  replay "$USER_DIR" "$WORK/quit.txt" "quit after key $1"
  save_line
}

# A dollar taken by a move, or a life bought, and the program closed while
# the flowers turn or the carrier flies: the save holds the turn before it,
# or the turn with it, never the purse of one and the board of the other.
rewrite_board coin 03
before=$(save_line)
after=$(quit_after 49)
case "$(worth "$before") $(worth "$after") ${after#* }" in
  "5100 5100 5000 "* | "5100 5100 5100 "*) ;;
  *) fail "quit during a move: '${before:0:40}...' became '${after:0:40}...' (worth $(worth "$before") then $(worth "$after"))" ;;
esac
rewrite_board coin 03
read -r _ money lives _ <<< "$(save_line)"
read -r _ money2 lives2 _ <<< "$(quit_after 76)"
[ "$money2 $lives2" = "$money $lives" ] || [ "$money2 $lives2" = "$((money - 100)) $((lives + 1))" ] ||
  fail "quit while a bought life flies: purse $money with $lives lives became $money2 with $lives2"

# wait_for PATTERN MS: waits until a line of the log (after its time) starts
# with PATTERN, at most MS; prints the line's time, or nothing.
wait_for() {
  local until=$(($(date +%s%3N) + $2)) hit
  while [ "$(date +%s%3N)" -lt "$until" ]; do
    hit=$(awk -v p="$1" 'index($2 " ", p " ") == 1 { print $1; exit }' "$LOG" 2>/dev/null)
    [ -n "$hit" ] && { echo "$hit"; return; }
    sleep 0.02
  done
}

# Rounds aim at the moments in turn: any time (moves), after a purchase (the
# carrier in flight), after a level's end (its message) and after a level
# opened (the insects bring the coins). The last two start from a won board.
targets=(move bonus level-end opening)
RANDOM=2027
declare -A phases
previous=$(save_line) || fail "the start does not read"
for ((round = 1; round <= ROUNDS; round++)); do
  target=${targets[(round - 1) % 4]}
  case $target in level-end | opening) rewrite_board win 02; previous=$(save_line) ;; esac
  : > "$LOG"
  script=moves
  [ "$target" = bonus ] && script=bonus
  CHROMAL_MOMENT_LOG="$LOG" "$CHROMAL" --user-dir "$USER_DIR" --data "$DATA" --windowed --no-pacing \
    --seed "$round" --replay "$WORK/$script.txt" 2>/dev/null &
  pid=$!
  # The moment each round waits for: a turn (kind 1), a purchase, a level's
  # end (kind 3) or an opening (kind 0).
  case $target in
    move) event=1 pause=$((RANDOM % 800)) ;;
    bonus) event=bought pause=$((RANDOM % 900)) ;;
    level-end) event=3 pause=$((RANDOM % 500)) ;;
    opening) event=0 pause=$((RANDOM % 900)) ;;
  esac
  [ -n "$(wait_for "$event" 40000)" ] || { kill -9 "$pid"; fail "round $round: no '$event' in the log within 40 s"; }
  sleep "$(printf '0.%03d' "$pause")"
  kill_ms=$(date +%s%3N)
  kill -9 "$pid" 2>/dev/null || fail "round $round: the game had ended before the kill"
  wait "$pid" 2>/dev/null
  saved=$(save_line) || fail "round $round: the saved game does not read"
  [ "$saved" = none ] && fail "round $round: the game ended (it had lives and money enough)"

  # The log without its times: moments as "KIND LINE", purchases as "bought";
  # the resumed game's first moment is the save it came from, exactly.
  mapfile -t stamps < <(cut -d' ' -f1 "$LOG")
  mapfile -t events < <(cut -d' ' -f2- "$LOG")
  [ "${#events[@]}" -eq 0 ] || [ "${events[0]#* }" = "$previous" ] ||
    fail "round $round: resumed as '${events[0]:0:60}...', saved was '${previous:0:60}...'"
  # The save is the newest moment logged LAG_MS before the kill, or newer.
  found=-1 due=-1 last=""
  for ((i = 0; i < ${#events[@]}; i++)); do
    [ "${stamps[i]}" -le "$kill_ms" ] && last="${events[i]%% *}"
    [ "${events[i]}" = bought ] && continue
    [ "${events[i]#* }" = "$saved" ] && found=$i
    [ "${stamps[i]}" -le $((kill_ms - LAG_MS)) ] && due=$i
  done
  [ "$found" -ge "$due" ] ||
    fail "round $round ($target): the save is moment $found of the log, but moment $due was due"

  # Coins once: the worth never grows from one moment to the next but when
  # a level opens (its insects bring new coins). The resumed moment is the
  # previous save and the save is one of the moments, so this holds for
  # every save too.
  w=""
  for ((i = 0; i < ${#events[@]}; i++)); do
    [ "${events[i]}" = bought ] && continue
    now=$(worth "${events[i]#* }")
    [ "${events[i]%% *}" = 0 ] || [ -z "$w" ] || [ "$now" -le "$w" ] ||
      fail "round $round: worth $w became $now without a new level: a coin counted twice"
    w=$now
  done

  # Where the kill landed: after a purchase, at a level's end (a moment of
  # kind 3), in an opening (kind 0), else in the moves.
  case $last in
    bought) phase=bonus ;;
    3) phase=level-end ;;
    0) phase=opening ;;
    *) phase=move ;;
  esac
  phases[$phase]=$((${phases[$phase]:-0} + 1))
  previous=$saved
done

summary=""
for p in move bonus level-end opening; do summary="$summary $p ${phases[$p]:-0};"; done
for p in move bonus level-end opening; do
  [ "${phases[$p]:-0}" -gt 0 ] || fail "no kill landed in phase $p:$summary"
done
echo "ok: $ROUNDS kills;$summary the last save at level ${saved%% *}"
