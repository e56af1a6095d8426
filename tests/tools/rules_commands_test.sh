#!/bin/bash
# The rules subcommands of chromal-tool on masks and boards made here:
# board shapes, moves with their refusals and coins, the opponent's choice,
# a whole simulated level, and the exit statuses of bad input.
set -u
BUILD=$1
TOOL=$BUILD/tools/chromal-tool
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$WORK/dat/levels_classic"
head -c 480000 /dev/zero | tr '\0' '\1' > "$WORK/dat/levels_classic/lev000.raw"
for i in $(seq 1 19); do cp "$WORK/dat/levels_classic/lev000.raw" "$WORK/dat/levels_classic/lev$(printf %03d "$i").raw"; done

out=$("$TOOL" board --data "$WORK" --set classic --level 0 --seed 5) || fail "board failed"
echo "$out" | grep -qx "rows 17" || fail "rows: $out"
echo "$out" | grep -qx "columns 21" || fail "columns: $out"
echo "$out" | grep -qx "cells 285" || fail "cells: $out"
echo "$out" | grep -qx "playable 285" || fail "playable: $out"
again=$("$TOOL" board --data "$WORK" --set classic --level 0 --seed 5)
[ "$out" = "$again" ] || fail "the same seed built different boards"
"$TOOL" board --data "$WORK" --set classic --level 89 --seed 5 | grep -qx "columns 43" || fail "level 89"

# Level 0 board: colour 3 everywhere, the human's home (8, 0) is cell 132 in
# colour 0, a coin of kind 4 on colour 1 lies next to it, the opponent's home
# (8, 20) is cell 152 in colour 2.
state="000 "
for i in $(seq 0 284); do
    case $i in
        132) state+="00 " ;;
        133) state+="60 01 04 " ;;
        152) state+="02 " ;;
        *) state+="03 " ;;
    esac
done

for refused in 0 2 6 -1; do
    "$TOOL" move --data "$WORK" --set classic --state "$state" --player 0 --colour $refused >/dev/null 2>&1
    [ $? -eq 3 ] || fail "colour $refused was not refused"
done
out=$("$TOOL" move --data "$WORK" --set classic --state "$state" --player 0 --colour 1) || fail "move failed"
echo "$out" | grep -qx "coins 100" || fail "coins: $out"
echo "$out" | grep -qx "territory 2 1" || fail "territory: $out"
echo "$out" | grep -qx "finished 0" || fail "finished: $out"
echo "$out" | grep -q "^state 000 " || fail "state: $out"

printf '%s\n' "$state" > "$WORK/state.txt"
out=$("$TOOL" ai --data "$WORK" --set classic --state-file "$WORK/state.txt" --difficulty 2) || fail "ai failed"
[ "$out" = "colour 3" ] || fail "ai chose: $out"
out=$("$TOOL" move --data "$WORK" --set classic --state-file "$WORK/state.txt" --player 1 --colour 3) || fail "opponent move"
echo "$out" | grep -qx "territory 1 283" || fail "opponent territory: $out"
echo "$out" | grep -qx "coins 0" || fail "the opponent earns no coins: $out"

out=$("$TOOL" simulate --data "$WORK" --set classic --level 3 --seed 2) || fail "simulate failed"
echo "$out" | grep -q "^move 0 player 0 colour " || fail "simulate moves: $out"
echo "$out" | tail -1 | grep -Eq "^result (completed|lost)$" || fail "simulate result: $out"

# Bad input: usage errors exit 2, other failures exit 1.
expect() {
    local want=$1; shift
    "$TOOL" "$@" >/dev/null 2>&1
    local got=$?
    [ $got -eq "$want" ] || fail "$* exited $got, not $want"
}
expect 2 board --data "$WORK" --set sideways --level 0
expect 2 board --data "$WORK" --set classic --level x
expect 2 board --data "$WORK" --set classic --level 0 --colour 1
expect 2 move --data "$WORK" --set classic --state "$state" --player 2 --colour 1
expect 2 move --data "$WORK" --set classic --state "$state" --state-file "$WORK/state.txt" --player 0 --colour 1
expect 2 ai --data "$WORK" --set classic --state "$state" --difficulty 9
expect 2 simulate --data "$WORK" --set classic
expect 1 move --data "$WORK" --set classic --state "000 03 03 " --player 0 --colour 1
expect 1 ai --data "$WORK" --set classic --state-file "$WORK/missing.txt" --difficulty 1
echo "PASS"
