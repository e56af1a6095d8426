#!/usr/bin/env bash
# report.sh BENCH_BUILD [OUT.md]: runs every measurement of the performance
# report on this machine in one go and writes the Markdown report (by default
# BENCHMARKS.md at the top of the source tree). BENCH_BUILD is a release build
# with CHROMAL_BENCH=ON and the generated data. The window measurements run
# under a private Xvfb server (Mesa's llvmpipe renders).
set -euo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-$src/BENCHMARKS.md}
work=$(mktemp -d /tmp/chromal-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
[ -f "$build/data/data.pk" ] || { echo "report.sh: no generated data in $build/data" >&2; exit 1; }
runs=11
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

echo "== rules"
"$build/bench/rules_bench" --benchmark_out="$work/rules.json" --benchmark_out_format=json

echo "== the opponents to choose"
"$src/bench/opponents.sh" "$build/tools/chromal-tool" "$build/data" >"$work/opponents.txt"

echo "== frames (Xvfb, llvmpipe)"
CHROMAL_DATA="$build/data" "$src/scripts/with-xvfb" "$build/bench/game_bench" \
  --benchmark_out="$work/game.json" --benchmark_out_format=json 2> >(grep -v '^ALSA' >&2)

# The installed game reads the pack alone; so does every run below.
mkdir -p "$work/pack"
cp "$build/data/data.pk" "$work/pack/"

echo "== start-up ($runs runs)"
# Wall time from just before the launch to the intro and to the first
# main-menu frame on the screen, as the program reports them; the settings
# are the defaults on the first run and those it saved afterwards.
cat >"$work/startup.sh" <<INNER
for i in \$(seq 1 $runs); do
  t0=\$(date +%s%N)
  CHROMAL_STARTUP_CLOCK=1 "$build/chromal" --data "$work/pack" --user-dir "$work/startup-user" \
    --no-pacing --frames 1 2>"$work/startup.err" >/dev/null || exit 1
  intro=\$(sed -n 's/^chromal: startup-clock intro //p' "$work/startup.err")
  menu=\$(sed -n 's/^chromal: startup-clock menu //p' "$work/startup.err")
  [ -n "\$intro" ] && [ -n "\$menu" ] || { cat "$work/startup.err"; exit 1; }
  echo "\$(( (intro - t0) / 1000 )) \$(( (menu - t0) / 1000 ))" >>"$work/startup.txt"
done
INNER
"$src/scripts/with-xvfb" bash "$work/startup.sh"

echo "== peak memory"
# A menu session (level choice, top 7, options, quit with Escape) and a game
# session (level 1: the tutorial closed, a bonus bought, five cells played).
click() { echo "$1 move $2 $3"; echo "$(($1 + 1)) ldown $2 $3"; echo "$(($1 + 2)) lup $2 $3"; }
{
  click 10 400 247; echo "45 key 27"
  click 60 400 387; echo "95 key 27"
  click 110 400 457; click 130 345 271; echo "155 key 27"
  echo "175 key 27"
} >"$work/menu.txt"
{
  echo "60 ldown 790 590"; echo "60 lup 790 590"
  for f in 120 160 200 240 280 320 360 400; do echo "$f ldown 790 590"; echo "$f lup 790 590"; done
  click 440 396 574
  f=700
  for x in 70 100 130 160 190; do click $f $x 300; f=$((f + 60)); done
  echo "$((f + 120)) quit"
} >"$work/game.txt"
cat >"$work/memory.sh" <<INNER
/usr/bin/time -f %M -o "$work/menu.rss" "$build/chromal" --data "$work/pack" --user-dir "$work/memory-user" \
  --windowed --no-pacing --seed 5 --replay "$work/menu.txt" >/dev/null 2>&1 || exit 1
/usr/bin/time -f %M -o "$work/game.rss" "$build/chromal" --data "$work/pack" --user-dir "$work/memory-user" \
  --windowed --no-pacing --seed 7 --play classic:1 --replay "$work/game.txt" >/dev/null 2>&1 || exit 1
/usr/bin/time -f %M -o "$work/large.rss" "$build/chromal" --data "$work/pack" --user-dir "$work/memory-user" \
  --windowed --no-pacing --seed 7 --play classic:89 --frames 600 >/dev/null 2>&1 || exit 1
mkdir -p "$work/nothing"
/usr/bin/time -f %M -o "$work/base.rss" "$build/chromal" --data "$work/nothing" --user-dir "$work/memory-base" \
  --windowed --no-pacing --frames 5 >/dev/null 2>&1 || exit 1
INNER
"$src/scripts/with-xvfb" bash "$work/memory.sh"

echo "== window sizes: start-up, peak memory, sharpness (5 runs each)"
# An 800x600 window, a 1600x1200 one and full screen on a 1920x1080 screen,
# each on an X screen that makes it the first start's size.
for size in 800:1024x768x24 1600:1920x1440x24 full:1920x1080x24; do
  CHROMAL_XVFB_SCREEN=${size#*:} "$src/scripts/with-xvfb" "$src/bench/scale.sh" "$build/chromal" "$work/pack" \
    "$work/scale" "${size%%:*}" 5
done
# The main menu's title and first two buttons (logical 170,60 to 630,345),
# against the 800x600 picture stretched into the same window.
probe=$build/tests/png-probe
[ -x "$probe" ] || probe=$build/bench/png-probe
"$probe" "$work/scale/1600.png" sharpness 340 120 1260 690 "$work/scale/800.png" >"$work/scale/1600.sharpness"
"$probe" "$work/scale/full.png" sharpness 546 108 1374 621 "$work/scale/800.png" >"$work/scale/full.sharpness"
"$probe" "$work/scale/800.png" sharpness 170 60 630 345 >"$work/scale/800.sharpness"
echo "== level 89 in a 1600x1200 window"
CHROMAL_XVFB_SCREEN=1920x1440x24 CHROMAL_BENCH_WINDOW=1600x1200 CHROMAL_DATA="$build/data" \
  "$src/scripts/with-xvfb" "$build/bench/game_bench" --benchmark_filter='GameFrame/88/1/1/1' \
  --benchmark_out="$work/game-1600.json" --benchmark_out_format=json 2> >(grep -v '^ALSA' >&2)

echo "== processor time while nobody plays (paced, 10 s each)"
# Main menu, a game waiting for a move, the menu minimised and unmapped, in
# the first start's window on a small screen (800x600); the main menu and the
# game in the first start's window on a 1920x1080 screen (1200x900) and full
# screen there.
CHROMAL_XVFB_SCREEN=1024x768x24 "$src/scripts/with-xvfb" "$src/bench/idle.sh" "$build/chromal" "$work/pack" \
  "$work/idle/800x600" 10
CHROMAL_XVFB_SCREEN=1920x1080x24 "$src/scripts/with-xvfb" "$src/bench/idle.sh" "$build/chromal" "$work/pack" \
  "$work/idle/1200x900" 10 "menu game"
CHROMAL_XVFB_SCREEN=1920x1080x24 "$src/scripts/with-xvfb" "$src/bench/idle.sh" "$build/chromal" "$work/pack" \
  "$work/idle/fullscreen" 10 "menu game" fullscreen

echo "== data generation"
t0=$(date +%s%N)
"$build/tools/datagen/chromal-datagen" "$work/gen" >/dev/null
t1=$(date +%s%N)
"$build/tools/chromal-tool" pack build "$work/gen/data.pk" "$work/gen" --encipher >/dev/null
t2=$(date +%s%N)
echo "$(( (t1 - t0) / 1000000 )) $(( (t2 - t1) / 1000000 ))" >"$work/datagen.txt"

# The machine.
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
{
  echo "cpu=$cpu"
  echo "cores=$(nproc)"
  echo "load_before=$load_before"
  echo "load_after=$(cut -d' ' -f1-3 /proc/loadavg)"
  echo "memory=$(awk '/^MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)"
  echo "kernel=$(uname -sr)"
  echo "os=$(. /etc/os-release && echo "$PRETTY_NAME")"
  echo "mesa=$(dpkg-query -W -f='${Version}' libgl1-mesa-dri 2>/dev/null || echo unknown)"
  echo "compiler=$(${CXX:-c++} --version | head -1)"
  echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "commit=$(git -C "$src" rev-parse --short HEAD 2>/dev/null || echo unknown)"
} >"$work/machine.txt"

python3 "$src/bench/report.py" "$work" "$out"
echo "report.sh: wrote $out"
