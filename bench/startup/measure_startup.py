#!/usr/bin/env python3
"""Start-up of the program against its floor, as whole processes.

Runs the start-up probe (the real program, ending after the launcher's first painted frame), the
floor (a bare Qt window, ending after its first frame) and the words (the launcher's words in the
plainest window, the nearest any launcher showing them can come to the floor) in turn, each in a
fresh settings folder, offscreen, and prints the median wall time and the peak resident memory of
each.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = int(os.environ.get("ZEV_STARTUP_RUNS", "40"))


def run_once(program):
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home)
        start = time.perf_counter()
        process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
        elapsed = time.perf_counter() - start
        if status != 0:
            sys.exit(f"{program} ended with status {status}")
        return elapsed, usage.ru_maxrss / 1024.0


def measure(build):
    """Median start-up times (ms) and peak memory (MiB) of the program, the floor and the words."""
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
        figures[f"{shown}_ms"] = statistics.median(run[0] for run in runs) * 1000
        figures[f"{shown}_mib"] = max(run[1] for run in runs)
    return figures


if __name__ == "__main__":
    figures = measure(sys.argv[1] if len(sys.argv) > 1 else "build-bench")
    print(f"start-up {figures['program_ms']:.1f} ms against {figures['floor_ms']:.1f} ms; "
          f"peak memory {figures['program_mib']:.1f} MiB against {figures['floor_mib']:.1f} MiB; "
          f"the launcher's words alone {figures['words_ms']:.1f} ms")
