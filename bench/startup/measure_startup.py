#!/usr/bin/env python3
"""Start-up of the program against its floor, as whole processes.

Runs the start-up probe (the real program, ending after the launcher's first painted frame) and
the floor (a bare Qt window, ending after its first frame) alternately, each in a fresh settings
folder, offscreen, and prints the median wall time and the peak resident memory of each.
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
    """Median start-up times (ms) and peak memory (MiB) of the program and of the floor."""
    probe = os.path.join(build, "bench", "startup", "startup_probe")
    floor = os.path.join(build, "bench", "startup", "startup_floor")
    results = {probe: [], floor: []}
    for _ in range(3):  # warm the file cache
        run_once(probe), run_once(floor)
    for _ in range(RUNS):
        for program in (probe, floor):
            results[program].append(run_once(program))
    return {
        "program_ms": statistics.median(s[0] for s in results[probe]) * 1000,
        "floor_ms": statistics.median(s[0] for s in results[floor]) * 1000,
        "program_mib": max(s[1] for s in results[probe]),
        "floor_mib": max(s[1] for s in results[floor]),
    }


if __name__ == "__main__":
    figures = measure(sys.argv[1] if len(sys.argv) > 1 else "build-bench")
    print(f"start-up {figures['program_ms']:.1f} ms against {figures['floor_ms']:.1f} ms; "
          f"peak memory {figures['program_mib']:.1f} MiB against {figures['floor_mib']:.1f} MiB")
