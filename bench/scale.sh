#!/usr/bin/env bash
# scale.sh CHROMAL PACK_DIR OUT_DIR SIZE [RUNS]: start-up, peak memory and a
# menu screenshot of the real program at one window size, under the X server
# in DISPLAY (bench/report.sh gives each size an Xvfb screen of its own):
#   800   an 800x600 window (the first start on a 1024x768 screen)
#   1600  a 1600x1200 window (the first start on a 1920x1440 screen)
#   full  full screen on the screen there is
# Writes into OUT_DIR, each file named after SIZE:
#   SIZE.startup  one line a run: microseconds to the intro and to the first menu frame
#   SIZE.menu.rss SIZE.game.rss SIZE.large.rss  peak RSS in KB of three sessions
#   SIZE.png      the main menu after 60 frames (seed 3)
set -euo pipefail
chromal=$1 pack=$2 out=$3 size=$4 runs=${5:-5}
work=$(mktemp -d /tmp/chromal-scale.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
mode=--windowed
[ "$size" = full ] && mode=--fullscreen
case $size in 800 | 1600 | full) ;; *) echo "scale.sh: unknown size $size" >&2; exit 2 ;; esac

# Replays click in the 800x600 picture's own pixels, whatever the window.
click() { echo "$1 move $2 $3"; echo "$(($1 + 1)) ldown $2 $3"; echo "$(($1 + 2)) lup $2 $3"; }
run() { "$chromal" --data "$pack" "$mode" "$@" >/dev/null; }

# Start-up: the first run from the default settings, the rest from those it saved.
for _ in $(seq 1 "$runs"); do
  t0=$(date +%s%N)
  CHROMAL_STARTUP_CLOCK=1 run --user-dir "$work/startup" --no-pacing --frames 1 2>"$work/startup.err"
  intro=$(sed -n 's/^chromal: startup-clock intro //p' "$work/startup.err")
  menu=$(sed -n 's/^chromal: startup-clock menu //p' "$work/startup.err")
  [ -n "$intro" ] && [ -n "$menu" ] || { cat "$work/startup.err" >&2; exit 1; }
  echo "$(((intro - t0) / 1000)) $(((menu - t0) / 1000))"
done >"$out/$size.startup"

# Peak memory: a menu session (level choice, top 7, options, quit with Escape),
# a game session (level 1: the tutorial closed, a bonus bought, five cells
# played) and the largest board for 600 frames.
{
  click 10 400 247; echo "45 key 27"
  click 60 400 387; echo "95 key 27"
  click 110 400 457; click 130 345 271; echo "155 key 27"
  echo "175 key 27"
} >"$work/menu.txt"
{
  for f in 60 120 160 200 240 280 320 360 400; do echo "$f ldown 790 590"; echo "$f lup 790 590"; done
  click 440 396 574
  f=700
  for x in 70 100 130 160 190; do click $f $x 300; f=$((f + 60)); done
  echo "$((f + 120)) quit"
} >"$work/game.txt"
memory() {
  local name=$1
  shift
  /usr/bin/time -f %M -o "$out/$size.$name.rss" "$chromal" --data "$pack" "$mode" --user-dir "$work/memory" \
    --no-pacing "$@" >/dev/null 2>&1
}
memory menu --seed 5 --replay "$work/menu.txt"
memory game --seed 7 --play classic:1 --replay "$work/game.txt"
memory large --seed 7 --play classic:89 --frames 600

# The menu as it stands after a second, for the sharpness of its art.
run --user-dir "$work/shot" --seed 3 --frames 60 --screenshot "$out/$size.png" 2>/dev/null
