#!/usr/bin/env python3
"""Runs every benchmark of an optimised build and prints one table: what, median, goal, and each
figure's ratio to the floor (a bare Qt window's start-up, or 25 sine calls for the Moon theory)."""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "startup"))
import measure_startup  # noqa: E402

FRAME_MS = 1000 / 60
NOTES_GOAL_MS = 0.1
TIME_ACCURACY = ["Exact time", "Within 15 minutes", "Within 1 hour", "Within 2 hours", "Time not known"]

INTERACTIONS = {
    "BM_OpenSubProgram/button:1/manual_time": "open Crystal Healing from the launcher",
    "BM_OpenSubProgram/button:0/manual_time": "open Crystal Divination from the launcher",
    "BM_OpenSubProgram/button:2/manual_time": "open Zev Gemology from the launcher",
    "BM_FullReading/manual_time": "full reading (Get My Gemology Report to the display shown)",
    "BM_OpenReportWindow/manual_time": "open the report window (report built)",
    "BM_PickHealingStone/panel:0/manual_time": "pick a stone: crystal panel",
    "BM_PickHealingStone/panel:1/manual_time": "pick a stone: disease panel",
    "BM_PickHealingStone/panel:2/manual_time": "pick a stone: mental illness panel",
    "BM_PickHealingStone/panel:3/manual_time": "pick a stone: organ panel",
    "BM_DivinationDraw/manual_time": "divination draw",
}

PLACE_FINDER = {
    "BM_PlaceListKeystroke/manual_time": ("a keystroke in the city field to the place list shown", 2),
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


def main():
    build = sys.argv[1]
    start = measure_startup.measure(build)
    floor_ms = start["floor_ms"]
    print("| what | median | goal | against the floor |")
    print("|---|---|---|---|")
    print(f"| start-up to the launcher's first frame | {start['program_ms']:.1f} ms | within 1.3x of the floor "
          f"| floor {floor_ms:.1f} ms, {start['program_ms'] / floor_ms:.2f}x |")
    print(f"| peak memory at start-up | {start['program_mib']:.1f} MiB | within 15 MiB of the floor "
          f"| floor {start['floor_mib']:.1f} MiB, +{start['program_mib'] - start['floor_mib']:.1f} MiB |")

    interactions = google_benchmark(os.path.join(build, "bench", "bench_interactions"))
    for name, what in INTERACTIONS.items():
        ms = interactions[name]
        print(f"| {what} | {ms:.2f} ms | under {FRAME_MS:.1f} ms | {ms / floor_ms:.2f}x the floor start-up |")

    notes = google_benchmark(os.path.join(build, "bench", "bench_sign_notes"))
    for position, choice in enumerate(TIME_ACCURACY):
        ms = notes[f"BM_Write_Sign_Notes/accuracy:{position}"]
        print(f"| sun and moon notes of a reading, {choice} | {ms * 1e3:.1f} us | under {NOTES_GOAL_MS * 1e3:.0f} us "
              f"| {ms / NOTES_GOAL_MS:.2f}x the goal |")

    find = google_benchmark(os.path.join(build, "bench", "bench_healing_find"))
    ms = find["BM_FindKeystroke/manual_time"]
    print(f"| a keystroke in Crystal Healing's find field to the list shown | {ms:.2f} ms | under 2 ms "
          f"| {ms / floor_ms:.2f}x the floor start-up |")

    places = google_benchmark(os.path.join(build, "bench", "bench_place_finder"))
    for name, (what, goal_ms) in PLACE_FINDER.items():
        ms = places[name]
        print(f"| {what} | {ms:.2f} ms | under {goal_ms:g} ms | {ms / floor_ms:.2f}x the floor start-up |")

    moon = google_benchmark(os.path.join(build, "bench", "bench_moon_position"))
    for name, ms in moon.items():
        print(f"| {name} | {ms * 1e6:.0f} ns | | |")


if __name__ == "__main__":
    main()
