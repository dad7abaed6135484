#!/usr/bin/env python3
"""Measures the running game from outside, as a player would feel it, in a real X window (run
under Xvfb by bench/blackbox.sh): exec to the first presented frame, idle CPU, CPU while the
pointer moves over the window at 100 events a second, peak memory, and the time from a close
request to the end of the process. Prints the start-up's timeline, then one table next to a reference adventure engine.

With --windows WINE_RUNNER BUILD_DIR, the Windows build is measured afterwards in the same
display: exec (of Wine) to first frame, idle CPU, peak memory, and the sizes of the exe and the
packages. Under Wine these figures are indicative only.
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TICKS = os.sysconf("SC_CLK_TCK")
# ScummVM 2.7 (Debian) running Beneath a Steel Sky, measured the same way on this kind of machine.
REFERENCE = {"first frame": "760 ms", "first frame / bare": "-",
             "first frame / bare with an image": "-", "idle CPU": "7.1%",
             "CPU, pointer moving": "29%", "peak memory": "167 MiB", "close to exit": "1.6 s"}


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def peak_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def timeline(command, run_dir, env):
    """Each phase of a start, in ms after the exec, as the program prints it (VOSSMERE_TIMELINE)."""
    start = time.monotonic_ns()
    out = subprocess.run(command, cwd=run_dir, env=dict(env, VOSSMERE_TIMELINE="1"),
                         capture_output=True, text=True, check=True).stdout
    phases = {}
    for line in out.splitlines():
        phase, _, ns = line.rpartition(" ")
        phases[phase] = (int(ns) - start) / 1e6
    return phases


def start_up(game, bare, run_dir, env, runs=9):
    """The game's phases and the first frames of the bare window, cleared and with the title
    image, medians of alternated runs."""
    games, cleared, pictured = [], [], []
    for _ in range(runs):
        games.append(timeline([game], run_dir, env))
        cleared.append(timeline([bare], run_dir, env)["first frame"])
        pictured.append(timeline([bare, "title_background.png"], run_dir, env)["first frame"])
    phases = {phase: statistics.median(run[phase] for run in games) for phase in games[0]}
    return phases, statistics.median(cleared), statistics.median(pictured)


def window_of():
    for _ in range(100):
        # The only window of the screen once the game runs; its title is the game's.
        found = subprocess.run(["xdotool", "search", "--name", "^Vossmere$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.05)
    return None


def start_game(game, run_dir, env):
    """The running game and its window. Now and then Xvfb shows no window for an SDL program
    that started well (old builds too): such a start is ended and made again. `game` is a path,
    or a command as a list."""
    command = game if isinstance(game, list) else [game]
    for _ in range(3):
        process = subprocess.Popen(command, cwd=run_dir, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        window = window_of()
        if window:
            return process, window
        process.kill()
        process.wait()
    raise RuntimeError("the game's window did not appear")


def close(process):
    start = time.monotonic()
    process.send_signal(signal.SIGTERM)  # SDL turns it into the quit a window close sends
    process.wait()  # blocking: a wait with a timeout polls, and would add its own delay
    return (time.monotonic() - start) * 1000


def move_pointer(window, seconds):
    # One xdotool process moves the pointer 100 times a second along a path over the menu.
    steps = []
    for i in range(seconds * 100):
        x = 200 + (i * 7) % 600
        y = 150 + (i * 3) % 450
        steps += ["mousemove", "--window", window, str(x), str(y), "sleep", "0.01"]
    subprocess.run(["xdotool"] + steps, check=True)


def idle_cpu(pid, seconds=10):
    before = cpu_seconds(pid)
    time.sleep(seconds)
    return 100 * (cpu_seconds(pid) - before) / seconds


def measure_windows(wine_run, build, env):
    """The Windows game under Wine: Wine execs the game in the process it was started as, so
    the process's own figures are the game's."""
    run_dir = os.path.join(build, "run")
    game = [wine_run, os.path.join(build, "game", "vossmere.exe")]
    starts = [timeline(game, run_dir, env)["first frame"] for _ in range(9)]
    process, _ = start_game(game, run_dir, env)
    time.sleep(2)
    idle = idle_cpu(process.pid)
    peak = peak_mib(process.pid)
    subprocess.run([wine_run, "taskkill", "/IM", "vossmere.exe"], capture_output=True)
    process.wait()
    sizes = {}
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run(["x86_64-w64-mingw32-strip", "-o", f"{scratch}/vossmere.exe", game[1]],
                       check=True)
        sizes["exe (stripped)"] = os.path.getsize(f"{scratch}/vossmere.exe")
    for name in sorted(os.listdir(build)):
        if name.startswith("vossmere-") and name.endswith((".zip", "-setup.exe")):
            sizes[name] = os.path.getsize(os.path.join(build, name))
    print("\nWindows build under Wine 8 (indicative only: Wine and its wined3d are in the way)")
    print(f"  {'first frame':34}{statistics.median(starts):.0f} ms after exec (median of 9)")
    print(f"  {'idle CPU':34}{idle:.2f}%")
    print(f"  {'peak memory':34}{peak:.0f} MiB")
    for name, size in sizes.items():
        print(f"  {name:34}{size / 2**20:.1f} MiB")


def main():
    windows = None
    if sys.argv[1] == "--windows":
        windows = sys.argv[2:4]
        del sys.argv[1:4]
    game, bare, run_dir = sys.argv[1], sys.argv[2], sys.argv[3]
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, USERPROFILE=home, SDL_AUDIODRIVER="dummy")
        phases, bare_first, bare_image = start_up(game, bare, run_dir, env)
        first = phases["first frame"]
        process, window = start_game(game, run_dir, env)
        time.sleep(2)
        idle = idle_cpu(process.pid)
        before, start = cpu_seconds(process.pid), time.monotonic()
        move_pointer(window, 10)
        moving = 100 * (cpu_seconds(process.pid) - before) / (time.monotonic() - start)
        peak = peak_mib(process.pid)
        closings = [close(process)]
        for _ in range(2):  # two more games, so that one slow moment does not decide
            process, _ = start_game(game, run_dir, env)
            time.sleep(1)
            closings.append(close(process))
        closing = statistics.median(closings)

    print("start-up, ms after exec (median of 9 runs, alternated with the bare window)")
    for phase, ms in phases.items():
        print(f"  {phase:14}{ms:7.0f}")
    print(f"  {'bare window':14}{bare_first:7.0f}   (its first frame, cleared)")
    print(f"  {'with an image':14}{bare_image:7.0f}   (its first frame, the title drawn)")
    ratio = first / bare_first
    rows = [("first frame", f"{first:.0f} ms", "< 400 ms", first < 400),
            ("first frame / bare", f"{ratio:.2f}", "<= 1.20", ratio <= 1.2),
            ("first frame / bare with an image", f"{first / bare_image:.2f}", "-", True),
            ("idle CPU", f"{idle:.2f}%", "< 0.5%", idle < 0.5),
            ("CPU, pointer moving", f"{moving:.1f}%", "< 15%", moving < 15),
            ("peak memory", f"{peak:.0f} MiB", "< 130 MiB", peak < 130),
            ("close to exit", f"{closing:.0f} ms", "< 100 ms", closing < 100)]
    print(f"{'metric':34}{'vossmere':12}{'reference':12}{'target':12}met")
    for metric, value, target, ok in rows:
        print(f"{metric:34}{value:12}{REFERENCE[metric]:12}{target:12}{'yes' if ok else 'NO'}")
    if windows:
        with tempfile.TemporaryDirectory() as home:
            measure_windows(*windows, dict(os.environ, USERPROFILE=home, SDL_AUDIODRIVER="dummy"))
    return 0 if all(ok for *_, ok in rows) else 1


if __name__ == "__main__":
    sys.exit(main())
