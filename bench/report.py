#!/usr/bin/env python3
"""Runs every benchmark of an optimised build and prints one table: what, median, goal, and each
figure's ratio to its goal (start-up: to the launcher's words alone in the plainest window; memory:
above a bare Qt window's), with whether the goal is met."""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "startup"))
import measure_startup  # noqa: E402

FRAME_MS = 1000 / 60
STARTUP_RATIO = 1.15  # to the launcher's words alone
IDLE_MIB = 10  # held five seconds after start-up, above a bare Qt window
AFTER_USE_MIB = 25  # held after every window was opened once, above a bare Qt window
PDF_MS = 300  # a reading saved as PDF
PDF_MIB = 1.5  # the reading's PDF on the disk
INDEX_MIB = 12  # the place atlas's index, every name included

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
    "BM_PlaceListKeystroke/manual_time": ("a keystroke in the city field to the place list shown, every name indexed",
                                          2),
    "BM_AtlasIndexBuild/iterations:5": ("reading and indexing the place atlas, every name (off the window's thread)",
                                        150),
    "BM_AtlasLongestUiSlice/iterations:5/manual_time": ("longest stretch of atlas work on the window's thread", 8),
}

MOON = {
    "BM_MoonMonth": ("a month of the Moon calendar computed (its signs, phases and days)", 2),
    "BM_OpenMoonCalendar/manual_time": ("open the Moon calendar from the launcher", FRAME_MS),
    "BM_TurnMoonMonth/manual_time": ("turn the Moon calendar's month (Page Down, Page Up)", FRAME_MS),
}

PEOPLE = {
    "BM_BookOpen/iterations:20": ("the book of people opened, 10,000 people read", 50),
    "BM_FindPersonKeystroke/manual_time": ("a keystroke in the book's find field to the list shown (10,000 people)", 2),
    "BM_SavePerson/manual_time": ("Save Person to the person on disk (10,000 in the book)", 10),
    "BM_ReadFromBook/manual_time": ("a reading from the book (Read to the display shown)", FRAME_MS),
    "BM_Import/iterations:3": ("importing 10,000 people from a CSV file", 2000),
}
BOOK_MIB = 10  # the book of 10,000 people and its list, in memory


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
            for counter in ("held_MiB", "bytes", "MiB"):
                if counter in entry:
                    medians[entry["run_name"] + ":" + counter] = entry[counter]
    return medians


def verdict(met):
    return "met" if met else "missed"


def row(what, shown, goal, ratio, met):
    print(f"| {what} | {shown} | {goal} | {ratio} | {verdict(met)} |")


def timed_row(what, ms, goal_ms, shown=None):
    goal = f"{goal_ms:.3g}" if goal_ms < 1000 else f"{goal_ms:.0f}"
    row(what, shown or f"{ms:.2f} ms", f"under {goal} ms", f"{ms / goal_ms:.2f}", ms < goal_ms)


def memory_row(what, held, floor, goal_mib):
    extra = held - floor
    row(what, f"{held:.1f} MiB", f"within {goal_mib} MiB of a bare Qt window ({floor:.1f} MiB)",
        f"+{extra:.1f} MiB, {extra / goal_mib:.2f} of the goal", extra <= goal_mib)


def main():
    build = sys.argv[1]
    start = measure_startup.measure(build)
    words_ms = start["words_ms"]
    print("| what | median | goal | ratio to the goal | |")
    print("|---|---|---|---|---|")
    ratio = start["program_ms"] / words_ms
    row("start-up to the launcher's first frame", f"{start['program_ms']:.1f} ms",
        f"within {STARTUP_RATIO}x of the launcher's words alone ({words_ms:.1f} ms)",
        f"{ratio:.2f}x the words, {ratio / STARTUP_RATIO:.2f} of the goal", ratio <= STARTUP_RATIO)
    print(f"| a bare Qt window's first frame (for reference) | {start['floor_ms']:.1f} ms | | | |")
    held = measure_startup.measure_held(build)
    memory_row("memory held five seconds after start-up, nothing opened", held["idle_program"], held["idle_floor"],
               IDLE_MIB)
    memory_row("memory held after each sub-program, a reading and its report were opened once",
               held["after_use"], held["idle_floor"], AFTER_USE_MIB)

    interactions = google_benchmark(os.path.join(build, "bench", "bench_interactions"))
    for name, what in INTERACTIONS.items():
        timed_row(what, interactions[name], FRAME_MS)

    find = google_benchmark(os.path.join(build, "bench", "bench_healing_find"))
    timed_row("a keystroke in Crystal Healing's find field to the list shown", find["BM_FindKeystroke/manual_time"],
              FRAME_MS)

    places = google_benchmark(os.path.join(build, "bench", "bench_place_finder"))
    for name, (what, goal_ms) in PLACE_FINDER.items():
        timed_row(what, places[name], goal_ms)
    index_mib = places["BM_AtlasIndexMemory/iterations:1:held_MiB"]
    row("memory the place atlas's index holds", f"{index_mib:.1f} MiB", f"under {INDEX_MIB} MiB",
        f"{index_mib / INDEX_MIB:.2f}", index_mib < INDEX_MIB)

    pdf = google_benchmark(os.path.join(build, "bench", "bench_report_pdf"))
    timed_row("save a reading as PDF (made and written to the disk)", pdf["BM_SaveReadingPdf/manual_time"], PDF_MS)
    mib = pdf["BM_SaveReadingPdf/manual_time:bytes"] / 2**20
    row("size of that PDF", f"{mib:.2f} MiB", f"under {PDF_MIB} MiB", f"{mib / PDF_MIB:.2f}", mib < PDF_MIB)

    moon = google_benchmark(os.path.join(build, "bench", "bench_moon"))
    for name, (what, goal_ms) in MOON.items():
        timed_row(what, moon[name], goal_ms)

    people_bench = os.path.join(build, "bench", "bench_people")
    people = google_benchmark(people_bench, "--benchmark_filter=-BM_BookMemory")
    for name, (what, goal_ms) in PEOPLE.items():
        timed_row(what, people[name], goal_ms)
    book = google_benchmark(people_bench, "--benchmark_filter=BM_BookMemory")
    held = book["BM_BookMemory/iterations:3:MiB"]
    row("the book of 10,000 people and its list, in memory", f"{held:.1f} MiB", f"under {BOOK_MIB} MiB",
        f"{held / BOOK_MIB:.2f}", held < BOOK_MIB)


if __name__ == "__main__":
    main()
