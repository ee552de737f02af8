#!/usr/bin/env python3
"""Runs every benchmark of an optimised build and prints one table: what, median, goal, and each
figure's ratio to its goal (start-up: to a bare Qt window's start-up; the Moon theory: to 25 sine
calls), with whether the goal is met."""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "startup"))
import measure_startup  # noqa: E402

FRAME_MS = 1000 / 120
KEYSTROKE_MS = 2  # a search keystroke to its list shown
STARTUP_RATIO = 1.3
MEMORY_MIB = 8
MOON_RATIO = 1.5
NOTES_GOAL_MS = 0.1
TIME_ACCURACY = ["Exact time", "Within 15 minutes", "Within 1 hour", "Within 2 hours", "Time not known"]

INTERACTIONS = {
    "BM_OpenSubProgram/button:1/manual_time": "open Crystal Healing from the launcher",
    "BM_OpenSubProgram/button:0/manual_time": "open Crystal Divination from the launcher",
    "BM_OpenSubProgram/button:2/manual_time": "open Zev Gemology from the launcher",
    "BM_FullReading/manual_time": "full reading (Get My Gemology Report to the display shown)",
    "BM_OpenReportWindow/manual_time": "open the report window (report built)",
    "BM_BackFromDisplay/manual_time": "Back from the display window to the entry window",
    "BM_SwitchDisplayTab/manual_time": "switch the display's tabs",
    "BM_PickHealingStone/panel:0/manual_time": "pick a stone: crystal panel",
    "BM_PickHealingStone/panel:1/manual_time": "pick a stone: disease panel",
    "BM_PickHealingStone/panel:2/manual_time": "pick a stone: mental illness panel",
    "BM_PickHealingStone/panel:3/manual_time": "pick a stone: organ panel",
    "BM_DivinationDraw/manual_time": "divination draw",
}

PLACE_FINDER = {
    "BM_PlaceListKeystroke/manual_time": ("a keystroke in the city field to the place list shown", KEYSTROKE_MS),
    "BM_AtlasIndexBuild/iterations:5": ("reading and indexing the place atlas (its own thread)", 100),
    "BM_AtlasLongestUiSlice/iterations:5/manual_time": ("longest stretch of atlas work on the window's thread", 8),
}


def google_benchmark(program, *arguments):
    output = subprocess.run([program, "--benchmark_format=json", "--benchmark_repetitions=5",
                             "--benchmark_report_aggregates_only=true", *arguments],
                            check=True, capture_output=True, text=True,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    medians = {}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[entry["time_unit"]]
            medians[entry["run_name"]] = entry["real_time"] * scale
    return medians


def verdict(met):
    return "met" if met else "missed"


def row(what, shown, goal, ratio, met):
    print(f"| {what} | {shown} | {goal} | {ratio} | {verdict(met)} |")


def timed_row(what, ms, goal_ms, shown=None):
    row(what, shown or f"{ms:.2f} ms", f"under {goal_ms:.3g} ms", f"{ms / goal_ms:.2f}", ms < goal_ms)


def main():
    build = sys.argv[1]
    start = measure_startup.measure(build)
    floor_ms = start["floor_ms"]
    print("| what | median | goal | ratio to the goal | |")
    print("|---|---|---|---|---|")
    ratio = start["program_ms"] / floor_ms
    row("start-up to the launcher's first frame", f"{start['program_ms']:.1f} ms",
        f"within {STARTUP_RATIO}x of the floor ({floor_ms:.1f} ms)", f"{ratio:.2f}x the floor, "
        f"{ratio / STARTUP_RATIO:.2f} of the goal", ratio <= STARTUP_RATIO)
    words = start["words_ms"] / floor_ms
    print(f"| the launcher's words alone, in the plainest window (for reference) | {start['words_ms']:.1f} ms "
          f"| | {words:.2f}x the floor, {words / STARTUP_RATIO:.2f} of the goal | |")
    extra = start["program_mib"] - start["floor_mib"]
    row("peak memory at start-up", f"{start['program_mib']:.1f} MiB",
        f"within {MEMORY_MIB} MiB of the floor ({start['floor_mib']:.1f} MiB)", f"+{extra:.1f} MiB, "
        f"{extra / MEMORY_MIB:.2f} of the goal", extra <= MEMORY_MIB)

    interactions = google_benchmark(os.path.join(build, "bench", "bench_interactions"))
    for name, what in INTERACTIONS.items():
        timed_row(what, interactions[name], FRAME_MS)

    find = google_benchmark(os.path.join(build, "bench", "bench_healing_find"))
    timed_row("a keystroke in Crystal Healing's find field to the list shown", find["BM_FindKeystroke/manual_time"],
              KEYSTROKE_MS)

    places = google_benchmark(os.path.join(build, "bench", "bench_place_finder"))
    for name, (what, goal_ms) in PLACE_FINDER.items():
        timed_row(what, places[name], goal_ms)

    notes = google_benchmark(os.path.join(build, "bench", "bench_sign_notes"))
    for position, choice in enumerate(TIME_ACCURACY):
        ms = notes[f"BM_Write_Sign_Notes/accuracy:{position}"]
        timed_row(f"sun and moon notes of a reading, {choice}", ms, NOTES_GOAL_MS, f"{ms * 1e3:.1f} us")

    moon = google_benchmark(os.path.join(build, "bench", "bench_moon_position"))
    sines = moon["BM_Periodic_Sines_Floor"]
    ratio = moon["BM_Moon_Position_Row"] / sines
    row("`Moon_Position_Row` per call", f"{moon['BM_Moon_Position_Row'] * 1e6:.0f} ns",
        f"within {MOON_RATIO}x of 25 sines ({sines * 1e6:.0f} ns)", f"{ratio:.2f}x the sines, "
        f"{ratio / MOON_RATIO:.2f} of the goal", ratio <= MOON_RATIO)
    for name, ms in moon.items():
        if name not in ("BM_Moon_Position_Row", "BM_Periodic_Sines_Floor"):
            print(f"| {name} | {ms * 1e6:.0f} ns | | | |")


if __name__ == "__main__":
    main()
