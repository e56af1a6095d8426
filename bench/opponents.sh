#!/usr/bin/env bash
# opponents.sh TOOL DATA: how many of a fixed set of classic levels a
# strength-2 computer player wins against each opponent the options offer,
# as "NAME WINS OF" lines. The set: levels 1, 5, 10, 12, 15, 20, 25 and 40,
# seeds 1 to 3.
set -euo pipefail
tool=$1 data=$2
for opponent in gentle level fierce; do
  wins=0 played=0
  for level in 1 5 10 12 15 20 25 40; do
    for seed in 1 2 3; do
      result=$("$tool" simulate --data "$data" --set classic --level "$level" --seed "$seed" \
        --human-difficulty 2 --opponent "$opponent" | tail -1)
      [ "$result" = "result completed" ] && wins=$((wins + 1))
      played=$((played + 1))
    done
  done
  echo "$opponent $wins $played"
done
