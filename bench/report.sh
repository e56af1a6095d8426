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

echo "== the program with no data"
# The libraries, the X connection and Mesa's llvmpipe alone.
mkdir -p "$work/nothing"
"$src/scripts/with-xvfb" /usr/bin/time -f %M -o "$work/base.rss" "$build/chromal" --data "$work/nothing" \
  --user-dir "$work/memory-base" --windowed --no-pacing --frames 5 >/dev/null 2>&1

echo "== window sizes: start-up ($runs runs each), peak memory, sharpness"
# An 800x600 window, a 1600x1200 one and full screen on a 1920x1080 screen,
# each on an X screen that makes it the first start's size.
for size in 800:1024x768x24 1600:1920x1440x24 full:1920x1080x24; do
  CHROMAL_XVFB_SCREEN=${size#*:} "$src/scripts/with-xvfb" "$src/bench/scale.sh" "$build/chromal" "$work/pack" \
    "$work/scale" "${size%%:*}" "$runs"
done
# The main menu's title and first two buttons (logical 170,60 to 630,345),
# against the 800x600 picture stretched into the same window.
probe=$build/tests/png-probe
[ -x "$probe" ] || probe=$build/bench/png-probe
"$probe" "$work/scale/1600.png" sharpness 340 120 1260 690 "$work/scale/800.png" >"$work/scale/1600.sharpness"
"$probe" "$work/scale/full.png" sharpness 546 108 1374 621 "$work/scale/800.png" >"$work/scale/full.sharpness"
"$probe" "$work/scale/800.png" sharpness 170 60 630 345 >"$work/scale/800.sharpness"
echo "== level 89 in a 1600x1200 window, three runs"
# Four times the pixels leave single runs at the mercy of the shared
# machine's other work: the report takes the middle of three.
for run in 1 2 3; do
  CHROMAL_XVFB_SCREEN=1920x1440x24 CHROMAL_BENCH_WINDOW=1600x1200 CHROMAL_DATA="$build/data" \
    "$src/scripts/with-xvfb" "$build/bench/game_bench" --benchmark_filter='GameFrame/88/1/1/1' \
    --benchmark_out="$work/game-1600-$run.json" --benchmark_out_format=json 2> >(grep -v '^ALSA' >&2)
done

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
stat -c %s "$build/data/data.pk" >"$work/pack.size"

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
