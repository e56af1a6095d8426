#!/usr/bin/env bash
# idle.sh CHROMAL DATA_DIR OUT_DIR [SECONDS [STATES [MODE]]]: the processor time the
# game takes while nobody plays, as a share of one core, under the X server in
# DISPLAY (bench/report.sh runs it under a private Xvfb, so Mesa's llvmpipe
# renders). MODE is windowed (default: the first start's window, whose size
# follows the screen's) or fullscreen.
# The game runs paced, as a player runs it; after it has settled, utime+stime
# of the whole process (llvmpipe's threads included) are read from
# /proc/PID/stat at the start and the end of SECONDS (default 10). Writes one
# file per state into OUT_DIR holding the percentage:
#   menu.cpu      the main menu, dragons on, the pointer resting on the
#                 background beside the buttons
#   game.cpu      --play classic:1 with the opening and the tutorial closed,
#                 waiting for the player's move, the pointer resting on the
#                 board
#   minimised.cpu the main menu minimised through the window manager
#   hidden.cpu    the main menu's window unmapped
set -euo pipefail
chromal=$1 data=$2 out=$3 seconds=${4:-10} states=${5:-menu game minimised hidden} mode=${6:-windowed}
case $mode in
  windowed | fullscreen) ;;
  *) echo "idle.sh: MODE is windowed or fullscreen, not $mode" >&2; exit 2 ;;
esac
work=$(mktemp -d /tmp/chromal-idle.XXXXXX)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$out"
hz=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Percent of one core over $seconds.
measure() {
  local t0 t1 w0 w1
  w0=$(date +%s%N); t0=$(cpu_ticks "$pid")
  sleep "$seconds"
  w1=$(date +%s%N); t1=$(cpu_ticks "$pid")
  awk -v d=$((t1 - t0)) -v hz="$hz" -v ns=$((w1 - w0)) 'BEGIN { printf "%.1f\n", 100 * d / hz / (ns / 1e9) }'
}

window_of() {
  local id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --pid "$1" --name '^Chromal$' 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# start NAME ARGS...: the game in a window of its own.
start() {
  local name=$1
  shift
  "$chromal" --data "$data" --user-dir "$work/user-$name" "--$mode" --seed 5 "$@" >/dev/null 2>&1 &
  pid=$!
}

# rest ID X Y: the pointer over a point of the 800x600 picture, wherever the
# window's scale puts it.
rest() {
  local WIDTH HEIGHT x y
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  read -r x y < <(awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$2" -v y="$3" 'BEGIN {
    s = w / 800 < h / 600 ? w / 800 : h / 600
    printf "%d %d\n", int((w - int(800 * s + 0.5)) / 2 + x * s), int((h - int(600 * s + 0.5)) / 2 + y * s) }')
  xdotool mousemove --window "$1" "$x" "$y"
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

wanted() { [[ " $states " == *" $1 "* ]]; }

# The main menu.
if wanted menu; then
  start menu
  id=$(window_of "$pid")
  sleep 2
  rest "$id" 120 450
  sleep 1
  measure >"$out/menu.cpu"
  stop
fi

# A game waiting for the player: the opening and the tutorial hints are
# clicked away, then nothing happens. The screenshot after the last click
# tells when that is: whole frames drawn slowly take longer than usual.
{
  echo "60 ldown 790 590"; echo "60 lup 790 590"
  for f in 120 160 200 240 280 320 360 400; do echo "$f ldown 790 590"; echo "$f lup 790 590"; done
  echo "420 screenshot $work/closed.png"
} >"$work/game.txt"
if wanted game; then
  start game --play classic:1 --replay "$work/game.txt"
  id=$(window_of "$pid")
  for _ in $(seq 1 600); do
    [ -s "$work/closed.png" ] && break
    sleep 0.1
  done
  [ -s "$work/closed.png" ] || { echo "idle.sh: the game never got past its opening" >&2; exit 1; }
  sleep 2
  rest "$id" 400 300
  sleep 1
  measure >"$out/game.cpu"
  stop
fi

# The main menu minimised, then unmapped.
for state in minimised hidden; do
  wanted "$state" || continue
  start "$state"
  id=$(window_of "$pid")
  sleep 2
  if [ "$state" = minimised ]; then xdotool windowminimize --sync "$id"; else xdotool windowunmap --sync "$id"; fi
  sleep 2
  measure >"$out/$state.cpu"
  stop
done
