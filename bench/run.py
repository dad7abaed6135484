#!/usr/bin/env python3
"""Runs every benchmark of the game and prints one table: each figure next to its floor (or its
target), as a ratio measured in the same run, since absolute times on a shared machine drift.

    python3 bench/run.py [--build build/bench] [--quick]
"""
import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HEADLESS = {"SDL_VIDEODRIVER": "dummy", "SDL_AUDIODRIVER": "dummy", "SDL_RENDER_DRIVER": "software"}
rows = []


def row(metric, value, floor, ratio, target, ok):
    rows.append((metric, value, floor, ratio, target, "yes" if ok else "NO"))


def build(folder):
    subprocess.run(["cmake", "-S", ROOT, "-B", folder, "-DCMAKE_BUILD_TYPE=Release",
                    "-DVOSSMERE_TESTS=OFF", "-DVOSSMERE_BENCH=ON"], check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", folder, "-j", str(os.cpu_count())], check=True,
                   stdout=subprocess.DEVNULL)


def first_frame_ms(program, run_dir, home):
    env = dict(os.environ, **HEADLESS, VOSSMERE_TIMELINE="1", USERPROFILE=home)
    start = time.monotonic_ns()
    out = subprocess.run([program], cwd=run_dir, env=env, capture_output=True, text=True,
                         check=True).stdout
    return (int(re.search(r"^first frame (\d+)", out, re.M).group(1)) - start) / 1e6


def startup(folder, runs):
    run_dir = os.path.join(folder, "run")
    game = os.path.join(folder, "game", "vossmere")
    floor = os.path.join(folder, "bench", "startup_floor")
    with tempfile.TemporaryDirectory() as home:
        game_ms, floor_ms = [], []
        for _ in range(runs):  # alternated, so that both see the same machine
            game_ms.append(first_frame_ms(game, run_dir, home))
            floor_ms.append(first_frame_ms(floor, run_dir, home))
    g, f = statistics.median(game_ms), statistics.median(floor_ms)
    row("start-up to first frame", f"{g:.0f} ms", f"{f:.0f} ms", f"{g / f:.2f}", "<= 1.30",
        g / f <= 1.3)


def frame_benchmarks(folder, quick):
    program = os.path.join(folder, "bench", "frame_bench")
    args = [program, "--benchmark_format=json", "--benchmark_repetitions=%d" % (1 if quick else 5),
            "--benchmark_min_time=%s" % ("0.1" if quick else "0.3")]
    report = json.loads(subprocess.run(args, capture_output=True, text=True, check=True).stdout)
    # The fastest repetition: what the code costs when nothing else on the machine interferes.
    times = {}
    for bench in report["benchmarks"]:
        if bench.get("run_type") == "aggregate":
            continue
        ms = bench["real_time"] * {"us": 1e-3, "ms": 1, "ns": 1e-6}[bench["time_unit"]]
        times[bench["run_name"]] = min(ms, times.get(bench["run_name"], ms))
    for name, ms in sorted(times.items()):
        if name.startswith("frame/game/"):
            case = name[len("frame/game/"):]
            floor = times["frame/floor/" + case]
            row(f"frame {case}", f"{ms:.2f} ms", f"{floor:.2f} ms", f"{ms / floor:.2f}",
                "<= 1.25", ms / floor <= 1.25)
            event = times["mouse_event/" + case]
            row(f"mouse event {case}", f"{event * 1000:.0f} us", f"frame {ms:.2f} ms",
                f"{100 * event / ms:.1f}%", "< 5%", event / ms < 0.05)
    for number in (1, 2, 3):
        cold, warm = times[f"load_level/{number}/cold"], times[f"load_level/{number}/warm"]
        row(f"load and show level {number}, cold / warm", f"{cold:.1f} ms", f"warm {warm:.1f} ms",
            f"{cold / warm:.1f}x", "-", True)


def instructions(folder, kind, screen, resolution, frames=10):
    program = os.path.join(folder, "bench", "frame_bench")
    with tempfile.TemporaryDirectory() as scratch:
        result = subprocess.run(
            ["valgrind", "--tool=callgrind", "--collect-atstart=no",
             "--callgrind-out-file=" + os.path.join(scratch, "out"), program, "--callgrind", kind,
             screen, resolution, str(frames)], capture_output=True, text=True, check=True,
            env=dict(os.environ, **HEADLESS))
    return int(re.search(r"Collected : (\d+)", result.stderr).group(1)) / frames


def frame_instructions(folder):
    for screen in ("level_dialog", "settings_list"):
        for resolution in ("1024x768", "1920x1080"):
            game = instructions(folder, "game", screen, resolution)
            floor = instructions(folder, "floor", screen, resolution)
            row(f"frame {screen}/{resolution} (instructions)", f"{game / 1e6:.1f} M",
                f"{floor / 1e6:.1f} M", f"{game / floor:.3f}", "<= 1.25", game / floor <= 1.25)


def playthrough(folder, leak_check):
    program = os.path.join(folder, "bench", "playthrough")
    out = subprocess.run([program, "memory"], capture_output=True, text=True, check=True).stdout
    peak = int(re.search(r"peak_kib (\d+)", out).group(1)) / 1024
    row("peak memory, full playthrough (software renderer)", f"{peak:.0f} MiB", "-", "-",
        "< 130 MiB", peak < 130)
    out = subprocess.run([program, "backlog"], capture_output=True, text=True, check=True).stdout
    frames = int(re.search(r"backlog_frames (\d+)", out).group(1))
    hovered = re.search(r"hovered (\d)", out).group(1) == "1"
    row("frames for 1000 queued motion events", str(frames), "final state shown" if hovered
        else "final state NOT shown", "-", "1, final state", frames == 1 and hovered)
    if leak_check:
        result = subprocess.run(["valgrind", "--leak-check=full", "--errors-for-leak-kinds=definite",
                                 "--error-exitcode=9", program, "memory"], capture_output=True,
                                text=True)
        lost = re.search(r"definitely lost: ([\d,]+) bytes", result.stderr)
        lost = lost.group(1) if lost else "0"
        row("leaks, full playthrough under valgrind", f"{lost} bytes definitely lost",
            f"exit {result.returncode}", "-", "0 and exit 0", result.returncode == 0)


def idle(folder):
    # SDL's dummy video driver cannot wait for events: the loop is measured on an X display.
    program = os.path.join(folder, "bench", "idle_cpu")
    out = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", program],
                         capture_output=True, text=True, check=True,
                         env=dict(os.environ, SDL_AUDIODRIVER="dummy")).stdout
    cpu = {name: float(value)
           for name, value in re.findall(r"^idle (\S+) cpu_percent (\S+)", out, re.M)}
    alone, pad = cpu["no_controller"], cpu["one_controller"]
    sdl = cpu["one_controller_sdl_auto_update"]
    row("idle CPU of the loop, no controller", f"{alone:.2f}%", "-", "-", "< 0.05%", alone < 0.05)
    row("idle CPU of the loop, one controller", f"{pad:.2f}%", f"SDL reading it {sdl:.1f}%",
        f"{pad / sdl:.2f}", "< 0.5%", pad < 0.5)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "bench"))
    parser.add_argument("--quick", action="store_true", help="fewer runs, no valgrind")
    args = parser.parse_args()
    build(args.build)
    startup(args.build, 5 if args.quick else 15)
    frame_benchmarks(args.build, args.quick)
    if not args.quick:
        frame_instructions(args.build)
    playthrough(args.build, not args.quick)
    idle(args.build)

    headers = ("metric", "vossmere", "floor", "ratio", "target", "met")
    widths = [max(len(str(r[i])) for r in rows + [headers]) for i in range(len(headers))]
    for line in [headers, tuple("-" * w for w in widths)] + rows:
        print("  ".join(str(cell).ljust(width) for cell, width in zip(line, widths)))
    return 0 if all(r[5] == "yes" for r in rows) else 1


if __name__ == "__main__":
    sys.exit(main())
