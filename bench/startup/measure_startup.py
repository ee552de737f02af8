#!/usr/bin/env python3
"""Start-up of the program against its floor, and the memory it holds, as whole processes.

Runs the start-up probe (the real program, ending after the launcher's first painted frame), the
floor (a bare Qt window, ending after its first frame) and the words (the launcher's words in the
plainest window, the nearest any launcher showing them can come to the floor) in turn, each in a
fresh settings folder, offscreen, and prints the median wall time of each. Then the memory held:
the program and a bare Qt window, each left alone for five seconds, and the program after a first
visit of every window.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("ZEV_STARTUP_RUNS", "40"))
MEMORY_RUNS = int(os.environ.get("ZEV_MEMORY_RUNS", "5"))


def fresh_environment(home):
    return dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home,
                XDG_DATA_HOME=home)


def run_once(program):
    with tempfile.TemporaryDirectory() as home:
        env = fresh_environment(home)
        start = time.perf_counter()
        process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, _ = os.wait4(process.pid, 0)
        elapsed = time.perf_counter() - start
        if status != 0:
            sys.exit(f"{program} ended with status {status}")
        return elapsed


def held_once(program):
    """What a program prints it holds ("held N", KiB), in MiB."""
    with tempfile.TemporaryDirectory() as home:
        output = subprocess.run([program], env=fresh_environment(home), check=True, capture_output=True,
                                text=True, timeout=120).stdout
    held = [line.split()[1] for line in output.splitlines() if line.startswith("held ")]
    if not held:
        sys.exit(f"{program} printed no memory figure")
    return int(held[0]) / 1024.0


def measure_held(build):
    """Median memory held (MiB): the program and the floor at rest, and the program after use."""
    programs = {name: os.path.join(build, "bench", "startup", name)
                for name in ("idle_program", "idle_floor", "after_use")}
    return {name: statistics.median(held_once(program) for _ in range(MEMORY_RUNS))
            for name, program in programs.items()}


def measure(build):
    """Median start-up times (ms) of the program, the floor and the words."""
    programs = {name: os.path.join(build, "bench", "startup", f"startup_{name}")
                for name in ("probe", "floor", "words")}
    results = {name: [] for name in programs}
    for _ in range(3):  # warm the file cache
        for program in programs.values():
            run_once(program)
    for _ in range(RUNS):
        for name, program in programs.items():
            results[name].append(run_once(program))
    figures = {}
    for name, runs in results.items():
        shown = "program" if name == "probe" else name
        figures[f"{shown}_ms"] = statistics.median(runs) * 1000
    return figures


if __name__ == "__main__":
    build_dir = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
    figures = measure(build_dir)
    held = measure_held(build_dir)
    print(f"start-up {figures['program_ms']:.1f} ms against {figures['floor_ms']:.1f} ms; "
          f"the launcher's words alone {figures['words_ms']:.1f} ms; "
          f"held at rest {held['idle_program']:.1f} MiB against {held['idle_floor']:.1f} MiB, "
          f"after use {held['after_use']:.1f} MiB")
