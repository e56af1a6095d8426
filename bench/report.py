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


def verdict(value, limit):
    return "met" if value <= limit else "**missed**"


machine = dict(line.split("=", 1) for line in (work / "machine.txt").read_text().splitlines())
rules = load("rules.json")
game = load("game.json")
startup = [tuple(int(v) / 1000.0 for v in line.split()) for line in (work / "startup.txt").read_text().splitlines()]
intro_ms = [s[0] for s in startup]
menu_ms = [s[1] for s in startup]
rss = {name: int((work / f"{name}.rss").read_text().split()[-1]) / 1024.0 for name in ("menu", "game", "large", "base")}
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
    ("Start to first main-menu frame, median of %d runs" % len(menu_ms), statistics.median(menu_ms) / 1000.0, "s", 0.5),
    ("Start to first main-menu frame, slowest of %d runs" % len(menu_ms), max(menu_ms) / 1000.0, "s", 0.5),
    ("Peak resident memory, largest of three sessions", max(rss["menu"], rss["game"], rss["large"]), "MB", 130.0),
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
add("### Start-up")
add("")
add("The real program, started with the data pack alone, a per-user folder of its")
add("own and `--no-pacing --frames 1`, with `CHROMAL_STARTUP_CLOCK=1`: the program")
add("prints the wall-clock time right after the buffer swap that shows the intro,")
add("and right after the swap of the first frame drawn with the main menu (the")
add("intro stands while the game's resources load, so the menu is the later of")
add("the two). The script notes the time just before it launches the program, so")
add("the figures include loading the executable and its libraries, connecting to")
add("the X server, creating the GL context and reading the pack. The first run")
add("starts from the default settings, the rest from the settings it saved.")
add("")
add("| | median | fastest | slowest |")
add("|---|---:|---:|---:|")
add(f"| start to intro on screen | {statistics.median(intro_ms):.0f} ms | {min(intro_ms):.0f} ms | {max(intro_ms):.0f} ms |")
add(f"| start to first main-menu frame on screen | {statistics.median(menu_ms):.0f} ms | {min(menu_ms):.0f} ms | {max(menu_ms):.0f} ms |")
add("")
add("### Peak resident memory")
add("")
add("The largest resident set of the whole process (`/usr/bin/time`, maximum RSS),")
add("from start to exit, with the data pack alone:")
add("")
add("| session | peak RSS |")
add("|---|---:|")
add(f"| main menu: level choice, top 7, options (sound switched off), quit with Escape | {rss['menu']:.1f} MB |")
add(f"| `--play classic:1`: the tutorial closed, a bonus bought, five cells played, back through shutdown | {rss['game']:.1f} MB |")
add(f"| `--play classic:89` (the largest board), 600 frames | {rss['large']:.1f} MB |")
add("")
add("For comparison, the same program given an empty data folder (5 frames of the")
add(f"menu with nothing to draw) peaks at {rss['base']:.1f} MB: the libraries, the X")
add("connection and Mesa's llvmpipe with its LLVM code generator. The rest is the")
add("game's data: its pictures as textures (llvmpipe keeps them in ordinary memory),")
add("the fonts, the sounds and the music. The backdrops of the screens the menu")
add("opens are decoded when first shown, one at a time; the menu's own backdrop")
add("is decoded when first shown and released while a game covers the menu; the")
add("game's hint pictures are decoded when shown, one at a time; the intro's")
add("picture is released before the rest loads; the level choice draws its board")
add("preview in one batch (one draw call per flower would make llvmpipe keep a")
add("copy of the drawing state for each until the frame is done).")
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
add(f"them. Measured as wall time: {gen_ms / 1000.0:.2f} s and {pack_ms / 1000.0:.2f} s.")
add("")
out.write_text("\n".join(lines))
