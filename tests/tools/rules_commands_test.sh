# The rules subcommands of chromal-tool on masks and boards made here:
# board shapes, moves with their refusals and coins, the opponent's choice,
# a whole simulated level, and the exit statuses of bad input.
source "$(dirname "$0")/tool_lib.sh" "$@"

mkdir -p "$WORK/dat/levels_classic"
head -c 480000 /dev/zero | tr '\0' '\1' > "$WORK/dat/levels_classic/lev000.raw"
for i in $(seq 1 19); do cp "$WORK/dat/levels_classic/lev000.raw" "$WORK/dat/levels_classic/lev$(printf %03d "$i").raw"; done
# has WHAT LINE...: the last output holds every LINE whole.
has() {
  local what=$1 line; shift
  for line in "$@"; do grep -qx -- "$line" "$WORK/out" || fail "$what: no '$line' in: $(tr '\n' ' ' < "$WORK/out")"; done
}

expect_exit 0 board --data "$WORK" --set classic --level 0 --seed 5
has board "rows 17" "columns 21" "cells 285" "playable 285"
cp "$WORK/out" "$WORK/board"
expect_exit 0 board --data "$WORK" --set classic --level 0 --seed 5
same_file "$WORK/board" "$WORK/out" "boards of the same seed"
expect_exit 0 board --data "$WORK" --set classic --level 89 --seed 5
has "level 89" "columns 43"

# Level 0 board: colour 3 everywhere, the human's home (8, 0) is cell 132 in
# colour 0, a coin of kind 4 on colour 1 lies next to it, the opponent's home
# (8, 20) is cell 152 in colour 2.
state="000 $(awk 'BEGIN { for (i = 0; i < 285; i++)
  printf "%s ", i == 132 ? "00" : i == 133 ? "60 01 04" : i == 152 ? "02" : "03" }')"

for refused in 0 2 6 -1; do
  expect_exit 3 move --data "$WORK" --set classic --state "$state" --player 0 --colour $refused
done
expect_exit 0 move --data "$WORK" --set classic --state "$state" --player 0 --colour 1
has move "coins 100" "territory 2 1" "finished 0"
grep -q "^state 000 " "$WORK/out" || fail "no state after the move"

printf '%s\n' "$state" > "$WORK/state.txt"
expect_exit 0 ai --data "$WORK" --set classic --state-file "$WORK/state.txt" --difficulty 2
[ "$(cat "$WORK/out")" = "colour 3" ] || fail "ai chose: $(cat "$WORK/out")"
expect_exit 0 move --data "$WORK" --set classic --state-file "$WORK/state.txt" --player 1 --colour 3
has "opponent move (it earns no coins)" "territory 1 283" "coins 0"

expect_exit 0 simulate --data "$WORK" --set classic --level 3 --seed 2
grep -q "^move 0 player 0 colour " "$WORK/out" || fail "simulate moves: $(head -3 "$WORK/out")"
tail -1 "$WORK/out" | grep -Eq "^result (completed|lost)$" || fail "simulate result: $(tail -1 "$WORK/out")"
expect_exit 0 simulate --data "$WORK" --set classic --level 3 --seed 2 --opponent fierce

# The racer reaches the rival's flower on every run, and a moving level's par
# is the median of its moves from seeds 1, 2 and 3.
mkdir -p "$WORK/dat/levels_moving"
cp "$WORK/dat/levels_classic/lev000.raw" "$WORK/dat/levels_moving/lev000.raw"
moves=()
for seed in 3 1 2; do
    expect_exit 0 simulate --data "$WORK" --set moving --level 0 --seed $seed --human racer
    tail -1 "$WORK/out" | grep -qx "result completed" || fail "racer from seed $seed: $(tail -1 "$WORK/out")"
    moves+=("$(grep -c "^move " "$WORK/out")")
done
expect_exit 0 par --data "$WORK"
has par "m_par000 $(printf '%s\n' "${moves[@]}" | sort -n | sed -n 2p)"

# Bad input: usage errors exit 2, other failures exit 1.
expect_exit 2 simulate --data "$WORK" --set classic --level 0 --human racer
expect_exit 2 board --data "$WORK" --set sideways --level 0
expect_exit 2 board --data "$WORK" --set classic --level x
expect_exit 2 board --data "$WORK" --set classic --level 0 --colour 1
expect_exit 2 move --data "$WORK" --set classic --state "$state" --player 2 --colour 1
expect_exit 2 move --data "$WORK" --set classic --state "$state" --state-file "$WORK/state.txt" --player 0 --colour 1
expect_exit 2 ai --data "$WORK" --set classic --state "$state" --difficulty 9
expect_exit 2 simulate --data "$WORK" --set classic
expect_exit 2 simulate --data "$WORK" --set classic --level 3 --opponent mild
expect_exit 1 move --data "$WORK" --set classic --state "000 03 03 " --player 0 --colour 1
expect_exit 1 ai --data "$WORK" --set classic --state-file "$WORK/missing.txt" --difficulty 1
finish
