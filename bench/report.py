#!/usr/bin/env python3
"""report.py WORK OUT.md: turns the measurements report.sh gathered in WORK
(Google Benchmark JSON and plain figures) into the Markdown report."""
import json
import statistics
import sys
from pathlib import Path

work = Path(sys.argv[1])
out = Path(sys.argv[2])


def load(name):
    return json.loads((work / name).read_text())


def bench(data, prefix):
    for entry in data["benchmarks"]:
        if entry["name"].startswith(prefix) and entry.get("run_type", "iteration") == "iteration":
            return entry
    raise SystemExit(f"report.py: no benchmark {prefix}")


def in_ms(entry, key="real_time"):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[entry["time_unit"]]
    return entry[key] * scale


def verdict(value, limit, at_least=False):
    return "met" if (value >= limit if at_least else value <= limit) else "**missed**"


machine = dict(line.split("=", 1) for line in (work / "machine.txt").read_text().splitlines())
rules = load("rules.json")
game = load("game.json")
scale = work / "scale"
window_sizes = {"800": "800x600 window", "1600": "1600x1200 window", "full": "full screen, 1920x1080"}
startup = {size: [tuple(int(v) / 1000.0 for v in line.split())
                  for line in (scale / f"{size}.startup").read_text().splitlines()] for size in window_sizes}
intro_ms = {size: [s[0] for s in runs] for size, runs in startup.items()}
menu_ms = {size: [s[1] for s in runs] for size, runs in startup.items()}
rss = {(size, name): int((scale / f"{size}.{name}.rss").read_text().split()[-1]) / 1024.0
       for size in window_sizes for name in ("menu", "game", "large")}
base_rss = int((work / "base.rss").read_text().split()[-1]) / 1024.0
sharpness = {size: [float(v) for v in (scale / f"{size}.sharpness").read_text().split()] for size in window_sizes}
pack_size = int((work / "pack.size").read_text())
game_1600_runs = [bench(load(f"game-1600-{run}.json"), "GameFrame/88/1/1/1/") for run in (1, 2, 3)]
game_1600 = {key: statistics.median(run[key] for run in game_1600_runs)
             for key in ("median_ms", "p99_ms", "cpu_median_ms")}
gen_ms, pack_ms = (int(v) for v in (work / "datagen.txt").read_text().split())
opponents = {name: (int(won), int(played)) for name, won, played in
             (line.split() for line in (work / "opponents.txt").read_text().splitlines())}
idle = {name: float((work / "idle" / "800x600" / f"{name}.cpu").read_text())
        for name in ("menu", "game", "minimised", "hidden")}
sizes = ("800x600", "1200x900", "fullscreen")
idle_sized = {(size, name): float((work / "idle" / size / f"{name}.cpu").read_text())
              for size in sizes for name in ("menu", "game")}

choose = bench(rules, "BM_ChooseMoveDepth3")
simulate = bench(rules, "BM_SimulateLevel89")
frames = {args: bench(game, f"GameFrame/{args}/")
          for args in ("88/1/1/1", "5/1/1/1", "88/1/0/1", "5/1/0/1", "88/0/0/1", "88/1/1/0", "88/1/0/0")}
turns = bench(game, "TurnFrames/1/")
turns_off = bench(game, "TurnFrames/0/")
worst_move_ms = simulate["worst_opponent_move_us"] / 1000.0
worst_move_cpu_ms = simulate["worst_opponent_move_cpu_us"] / 1000.0
renderer = game["context"].get("gl_renderer", "unknown")
gl_version = game["context"].get("gl_version", "unknown")

rows = [
    ("Opponent's move, start of level 89 (depth-3 search, mean)", in_ms(choose), "ms", 1.0),
    ("Opponent's slowest move during a whole simulated level 89, wall time", worst_move_ms, "ms", 1.0),
    ("Opponent's slowest move during a whole simulated level 89, CPU time", worst_move_cpu_ms, "ms", 1.0),
    ("Whole simulated level 89 (both sides computer players, animations settled)", in_ms(simulate) / 1000.0, "s", 0.5),
    ("Game frame, level 89, median", frames["88/1/1/1"]["median_ms"], "ms", 8.0),
    ("Game frame, level 89, 99th percentile", frames["88/1/1/1"]["p99_ms"], "ms", 16.0),
    ("Game frame, level 6, median", frames["5/1/1/1"]["median_ms"], "ms", 8.0),
    ("Game frame, level 6, 99th percentile", frames["5/1/1/1"]["p99_ms"], "ms", 16.0),
    ("Frames of turns played with the saved game written at each, level 89, 99th percentile", turns["p99_ms"], "ms", 16.0),
    ("The zones' outline, frames of turns, level 89: median with it less median without",
     turns["median_ms"] - turns_off["median_ms"], "ms", 1.0),
    ("Game frame, level 89, 1600x1200 window (the detailed pictures), median, middle of three runs",
     game_1600["median_ms"], "ms", 8.0),
    ("Game frame, level 89, 1600x1200 window, 99th percentile, middle of three runs", game_1600["p99_ms"], "ms",
     16.0),
]
for size in ("800", "1600"):
    rows += [
        ("Start to first main-menu frame, %s, median of %d runs" % (window_sizes[size], len(menu_ms[size])),
         statistics.median(menu_ms[size]) / 1000.0, "s", 0.5),
        ("Peak resident memory, %s, largest of three sessions" % window_sizes[size],
         max(rss[size, name] for name in ("menu", "game", "large")), "MB", 130.0 if size == "800" else 220.0),
    ]
rows += [
    ("Processor time at the main menu (dragons on), share of one core, most of three window sizes",
     max(idle_sized[size, "menu"] for size in sizes), "%", 20.0),
    ("Processor time in a game waiting for the player's move, share of one core, most of three window sizes",
     max(idle_sized[size, "game"] for size in sizes), "%", 20.0),
    ("Processor time with the window minimised, share of one core", idle["minimised"], "%", 1.0),
    ("Processor time with the window unmapped, share of one core", idle["hidden"], "%", 1.0),
]

lines = []
add = lines.append
add("# Chromal performance report")
add("")
add("Written by `make bench` (`bench/report.sh`, then `bench/report.py`); every figure")
add("below comes from one run on the machine described here. Run `make bench` again")
add("to measure another machine: the file is written anew.")
add("")
add("## Machine")
add("")
add("| | |")
add("|---|---|")
add(f"| CPU | {machine['cpu']} |")
add(f"| cores available | {machine['cores']} |")
add(f"| load average (1, 5, 15 min) | {machine['load_before']} before, {machine['load_after']} after the measurements |")
add(f"| memory | {machine['memory']} |")
add(f"| system | {machine['os']}, {machine['kernel']} |")
add(f"| OpenGL | {renderer}, {gl_version} (Mesa package {machine['mesa']}) under Xvfb |")
add(f"| compiler | {machine['compiler']}, CMake Release build |")
add(f"| date | {machine['date']} (commit {machine['commit']}) |")
add("")
add("## Results against the targets")
add("")
add("The machine is shared: a load average above the number of cores means other")
add("work competed for the CPU while these figures were taken, which lengthens")
add("wall times (single slow samples most: the slowest move, the 99th percentile,")
add("the slowest start) but not the CPU times.")
add("")
add("| measurement | result | target | |")
add("|---|---:|---:|---|")
for what, value, unit, limit in rows:
    precision = 3 if unit == "s" else (1 if unit in ("MB", "%") else 3)
    space = "" if unit == "%" else " "
    add(f"| {what} | {value:.{precision}f}{space}{unit} | ≤ {limit:g}{space}{unit} | {verdict(value, limit)} |")
add(f"| Sharpness of the menu's title and first buttons, 1600x1200 window, against the 800x600 picture "
    f"stretched | {sharpness['1600'][2]:.2f} | ≥ 1.4 | {verdict(sharpness['1600'][2], 1.4, True)} |")
add(f"| Data generation (`chromal-datagen` into an empty folder) | {gen_ms / 1000.0:.2f} s | | |")
add(f"| Packing the generated data (`chromal-tool pack build --encipher`) | {pack_ms / 1000.0:.2f} s | | |")
add("")
add("## Details")
add("")
add("### Rules (headless, `bench/rules_bench.cpp`)")
add("")
add("| benchmark | wall time | CPU time | iterations |")
add("|---|---:|---:|---:|")
for entry in rules["benchmarks"]:
    add(f"| {entry['name']} | {in_ms(entry):.3f} ms | {in_ms(entry, 'cpu_time'):.3f} ms | {entry['iterations']} |")
add("")
add("(Debian's Google Benchmark 1.7 prints that its library was built as DEBUG;")
add("that concerns the timing library's own code, not the measured code, which is")
add("a Release build.)")
add("")
add("The opponent of level 89 plays at strength 5 against a strength-2 computer")
add("player on the human side; the slowest move is the longest single choice of a")
add("colour by the opponent over all the simulated levels.")
add("")
add("### The opponent to choose (`bench/opponents.sh`)")
add("")
add("A strength-2 computer player on the human side plays classic levels 1, 5, 10,")
add("12, 15, 20, 25 and 40 with seeds 1 to 3 against each opponent of the options")
add("(`chromal-tool simulate ... --human-difficulty 2 --opponent NAME`). The gentle")
add("opponent is to lose at least 17 of them, the fierce one to lose no more than")
add("the level's own.")
add("")
add("| opponent | levels the human side wins |")
add("|---|---:|")
for name, label in (("gentle", "gentle"), ("level", "as the level sets"), ("fierce", "fierce")):
    add(f"| {label} | {opponents[name][0]} of {opponents[name][1]} |")
add("")
add("A fierce opponent never searches beyond the top strength, which level 89's")
add("own opponent already has, so the slowest move above stands for it too.")
add("")
add("### Game screen frames (`bench/game_bench.cpp`)")
add("")
add("One frame is the game's update, the drawing of every screen, `glFinish` and the")
add("buffer swap, timed 600 times in an 800x600 window after 120 frames of warm-up,")
add("with the insects landed. Process CPU counts every thread of the process,")
add("llvmpipe's rasteriser threads included.")
add("")
add("| level | drawing | median | 99th percentile | process CPU median | process CPU p99 | update (mean) | draw (mean) |")
add("|---|---|---:|---:|---:|---:|---:|---:|")
labels = {
    "88/1/1/1": ("89", "as the game draws (batched, kept still layer)"),
    "5/1/1/1": ("6", "as the game draws (batched, kept still layer)"),
    "88/1/0/1": ("89", "whole board every frame, batched"),
    "5/1/0/1": ("6", "whole board every frame, batched"),
    "88/0/0/1": ("89", "whole board every frame, one quad at a time"),
    "88/1/1/0": ("89", "as the game draws, without the zones' outline"),
    "88/1/0/0": ("89", "whole board every frame, batched, without the zones' outline"),
}
for args, entry in frames.items():
    level, how = labels[args]
    add(f"| {level} | {how} | {entry['median_ms']:.2f} ms | {entry['p99_ms']:.2f} ms | "
        f"{entry['cpu_median_ms']:.2f} ms | {entry['cpu_p99_ms']:.2f} ms | "
        f"{entry['update_ms']:.3f} ms | {entry['draw_ms']:.2f} ms |")
add("")
add("Turns played on level 89 as a player plays them (a colour as soon as the")
add("human may move, then the opponent's answer), with the saved game written")
add("whenever the turn comes back, as the game does: %d frames, %d saves. Frames:"
    % (int(turns["iterations"]), int(turns["saves"])))
add("median %.2f ms, 99th percentile %.2f ms. The frames that made a save: median %.2f ms,"
    % (turns["median_ms"], turns["p99_ms"], turns["saving_median_ms"]))
add("slowest %.2f ms (the slowest are the first frames of a new level, drawn afresh); the"
    % turns["saving_max_ms"])
add("save's own part of its frame (the moment stored, enciphered and handed to the")
add("writer's thread, which alone waits for the disk) was at most %.3f ms." % turns["save_cost_max_ms"])
add("The same turns without the zones' outline: median %.2f ms, 99th percentile %.2f ms."
    % (turns_off["median_ms"], turns_off["p99_ms"]))
add("")
add("### Window sizes: start-up, peak memory, sharpness (`bench/scale.sh`)")
add("")
add("The real program with the data pack alone, at three sizes: the first")
add("start's window on a 1024x768 screen (800x600, the pictures' own set) and on")
add("a 1920x1440 screen (1600x1200, twice: the detailed set), and full screen on")
add("a 1920x1080 screen (1.8 times: the detailed set).")
add("")
add("*Start-up*: `--no-pacing --frames 1` with `CHROMAL_STARTUP_CLOCK=1`; the")
add("program prints the wall-clock time right after the buffer swap that shows")
add("the intro, and right after the swap of the first frame drawn with the main")
add("menu. The script notes the time just before it launches the program, so")
add("the figures include loading the executable and its libraries, connecting")
add("to the X server, creating the GL context and reading the pack. The first")
add("run starts from the default settings, the rest from those it saved.")
add("")
add("*Peak memory*: the largest resident set of the whole process")
add("(`/usr/bin/time`, maximum RSS), from start to exit, of three sessions: the")
add("main menu (level choice, top 7, options with the sound switched off, quit")
add("with Escape); `--play classic:1` (the tutorial closed, a bonus bought, five")
add("cells played, back through shutdown); `--play classic:89`, 600 frames.")
add("")
add("*Sharpness*: the root mean square of the brightness gradient over the main")
add("menu's title and first two buttons (logical 170,60 to 630,345) after 60")
add("frames, against the same of the 800x600 picture stretched bilinearly into")
add("the same window (`png-probe ... sharpness`): 1.00 is the stretched picture,")
add("more is finer detail.")
add("")
add("| | start to intro, median | start to menu, median | slowest | peak RSS: menu | game | level 89 | sharpness |")
add("|---|---:|---:|---:|---:|---:|---:|---:|")
for size, name in window_sizes.items():
    sharp = f"{sharpness[size][2]:.2f}" if len(sharpness[size]) > 2 else f"(gradient {sharpness[size][0]:.1f})"
    add(f"| {name} | {statistics.median(intro_ms[size]):.0f} ms | {statistics.median(menu_ms[size]):.0f} ms "
        f"| {max(menu_ms[size]):.0f} ms | {rss[size, 'menu']:.1f} MB | {rss[size, 'game']:.1f} MB "
        f"| {rss[size, 'large']:.1f} MB | {sharp} |")
add("")
add(f"Level 89 in a 1600x1200 window (`game_bench` with `CHROMAL_BENCH_WINDOW`), the")
add(f"middle of three runs of 600 frames: median {game_1600['median_ms']:.2f} ms, 99th percentile")
add(f"{game_1600['p99_ms']:.2f} ms, process CPU median {game_1600['cpu_median_ms']:.2f} ms (four times the pixels")
add("of 800x600, filled by llvmpipe's threads). The runs one by one, median /")
add("99th percentile / CPU median: " + "; ".join(
    f"{run['median_ms']:.2f} / {run['p99_ms']:.2f} / {run['cpu_median_ms']:.2f} ms" for run in game_1600_runs) + ".")
add("")
add("The same program given an empty data folder (5 frames of the menu with")
add(f"nothing to draw) peaks at {base_rss:.1f} MB: the libraries, the X connection and")
add("Mesa's llvmpipe with its LLVM code generator. The rest is the game's data:")
add("its pictures as textures (llvmpipe keeps them in ordinary memory), the")
add("fonts, the sounds and the music. Backdrops, the dialogs' backs and the")
add("game's hint pictures are decoded when first shown, one screen's at a time")
add("(the menu's own stays under the screens it opens and goes while a game")
add("covers the menu; the game's goes when the menu is back); the intro's picture")
add("is released before the rest loads. A detailed backdrop keeps only the")
add("1600x1200 of its 2048x2048 pixels the screen shows, and a detailed picture")
add("carries one level of half its size for windows between 1.25 and twice the")
add("picture, made on the CPU at load (all levels where it is drawn smaller).")
add("")
add("### Processor time while nobody plays")
add("")
add("The real program with the data pack alone, paced as a player runs it (about")
add("60 frames a second), under Xvfb with Mesa's llvmpipe (`bench/idle.sh`), at")
add("three sizes: the first start's window on a 1024x768 screen (800x600, scale")
add("1) and on a 1920x1080 screen (1200x900, scale 1.5), and full screen on that")
add("screen (the picture 1440x1080 between two black bars 240 pixels wide). After")
add("the game has settled, utime + stime of the whole process (llvmpipe's")
add("rasteriser threads included) are read from `/proc/PID/stat` at the start and")
add("the end of 10 seconds; the share is of one core. The pointer rests on the")
add("menu's background beside the buttons, and on the board in the game.")
add("")
add("While only the dragons and the cursor move, the main menu puts its still")
add("picture back from a kept copy (one unfiltered quad, instead of the scaled")
add("backdrop and the buttons) only where they were and are; a game waiting for a")
add("move is drawn once through each of a few clips around what moved (the")
add("spinning home, each coin's own quad, insects; the magnified flower, the")
add("marker and the cursor only when they changed; parts far apart get clips of")
add("their own). Both rest on the back buffer still holding the last frame after")
add("the swap, which Mesa's software rasterisers under X11 promise; elsewhere")
add("every frame is drawn whole. A clear under a clip clears only the part of the")
add("black bars inside it: clearing both full-screen bars whole on every clip's")
add("pass (a scissored clear is a drawn quad for llvmpipe) cost the waiting game")
add("three quarters of a core in full screen. The pointer's place is asked of the")
add("X server once a frame, not once per control, and the renderer's working")
add("blocks (64 KB and a little, taken and freed every frame) stay in the heap")
add("instead of being mapped afresh each time. Minimised, the game waits and the")
add("loop waits for a message instead of drawing. On a loaded machine fewer frames")
add("run than 60 a second, which lowers these shares: compare the load average")
add("above.")
add("")
add("| state | 800x600 window | 1200x900 window | full screen 1920x1080 |")
add("|---|---:|---:|---:|")
add("| main menu, dragons on | " + " | ".join(f"{idle_sized[size, 'menu']:.1f}%" for size in sizes) + " |")
add("| `--play classic:1`, opening and tutorial closed, waiting for the move | "
    + " | ".join(f"{idle_sized[size, 'game']:.1f}%" for size in sizes) + " |")
add(f"| main menu minimised (`xdotool windowminimize`) | {idle['minimised']:.1f}% | | |")
add(f"| main menu unmapped (`xdotool windowunmap`) | {idle['hidden']:.1f}% | | |")
add("")
add("### Data generation")
add("")
add("`chromal-datagen` writes every data file into an empty folder (the masks are")
add("made on a second thread); `chromal-tool pack build --encipher` then packs")
add(f"them. Measured as wall time: {gen_ms / 1000.0:.2f} s and {pack_ms / 1000.0:.2f} s. The pack holds")
add(f"{pack_size / 1e6:.1f} MB.")
add("")
add("Every picture is painted twice, at the picture's own size and twice that")
add("(under `x2/`), by the same drawing code. Before the twice-as-detailed set,")
add("measured on this machine at commit 8a59897: generator 1.57 s (median of 3),")
add("pack 47.2 MB, Debian package 4.6 MB; with it, at commit 20437f7: generator")
add("3.87 s (median of 3; the two sizes are painted on two threads), pack")
add("114.2 MB, Debian package 12.2 MB.")
add("")
out.write_text("\n".join(lines))
