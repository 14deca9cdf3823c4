#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tessalo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs every benchmark of Tessalo and prints its figures beside their targets.

  python3 bench/run.py [--build DIR] [--runs N] [--cycles N] [--skip-soak] [--web DIR]

Needs a release build (cmake --preset release && cmake --build --preset release)
and Xvfb for the start-up figures (it starts its own server); the web page's
figures need the web build (cmake --preset web && cmake --build --preset web)
and chromium, and are skipped without them."""

import argparse
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def google_benchmark(binary, env=None):
    """Median real time, in microseconds, of every benchmark of one executable."""
    out = subprocess.run(
        [binary, "--benchmark_format=json", "--benchmark_repetitions=5",
         "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True, env=env).stdout
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
    return {b["run_name"]: b["real_time"] * scale[b["time_unit"]]
            for b in json.loads(out)["benchmarks"] if b.get("aggregate_name") == "median"}


def start_xvfb(screen="1280x1024"):
    """An Xvfb on a display it picks itself, and that display."""
    server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", f"{screen}x24", "-nolisten", "tcp"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    number = server.stdout.readline().strip()
    if not number:
        sys.exit("Xvfb did not start")
    return server, f":{number}"


def click_to_paint(build, screen):
    """Milliseconds from a click on Show to the picture on the X server, slowest kind, at 100 % and in full
    screen (the argument hidden, and in full screen shown too), on an Xvfb of `screen` ("3840x2160", with Openbox,
    which full screen needs): {(full screen, argument): ms}, and "further": the slowest of the identities beside
    the form's six at their largest n, in full screen."""
    server, display = start_xvfb(screen)
    manager = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)  # Openbox claims the screen
        times = google_benchmark(f"{build}/bench/tessalo_click_bench",
                                 dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb"))
        slowest = {}
        for name, microseconds in times.items():
            mode, kind, argument = (int(name.split(f"{key}:")[1].split("/")[0])
                                    for key in ("fullscreen", "kind", "argument"))
            key = (mode, argument) if kind <= 6 else "further"  # the form's six, or the five beside them
            slowest[key] = max(slowest.get(key, 0), microseconds / 1000)
        return slowest
    finally:
        manager.terminate()
        manager.wait()
        server.terminate()
        server.wait()


CONFIG_HOME = tempfile.mkdtemp(prefix="tessalo-bench-")  # the programs' settings: new, at 100 %


def first_frame(command, display):
    """Milliseconds from process start to its first painted frame, and its peak RSS in KiB."""
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=CONFIG_HOME)
    start = time.monotonic_ns()
    child = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    out = child.stdout.read().decode().split()
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0 or "first-frame-ns" not in out:
        sys.exit(f"{command[0]} reported no first frame")
    return (int(out[out.index("first-frame-ns") + 1]) - start) / 1e6, usage.ru_maxrss


def startup(build, runs):
    server, display = start_xvfb()
    try:
        probe = f"{build}/bench/tessalo_startup_probe"
        programs = {"tessalo": [probe], "english": [probe, "--lang", "en"], "floor": [f"{build}/bench/tessalo_floor"]}
        results = {name: ([], []) for name in programs}
        for name, command in programs.items():  # one unmeasured run each, for the disk cache
            first_frame(command, display)
        for _ in range(runs):  # alternating, so that drift hits both alike
            for name, command in programs.items():
                ms, kib = first_frame(command, display)
                results[name][0].append(ms)
                results[name][1].append(kib)
        return {name: (statistics.median(ms), statistics.median(kib)) for name, (ms, kib) in results.items()}
    finally:
        server.terminate()
        server.wait()


def export_from_command_line(build, runs):
    """Median milliseconds of the whole process `tessalo --kind 4 --n 11 --export x.svg`, and of the floor
    beside it (a bare Qt program that starts on the offscreen platform and exits), alternating, no display."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["XDG_CONFIG_HOME"] = CONFIG_HOME
    with tempfile.TemporaryDirectory(prefix="tessalo-export-") as out:
        programs = {"export": [f"{build}/src/main/tessalo", "--kind", "4", "--n", "11", "--export", f"{out}/x.svg"],
                    "floor": [f"{build}/bench/tessalo_offscreen_floor"]}
        times = {name: [] for name in programs}
        for command in programs.values():  # one unmeasured run each, for the disk cache
            subprocess.run(command, check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(runs):
            for name, command in programs.items():
                start = time.monotonic_ns()
                subprocess.run(command, check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                times[name].append((time.monotonic_ns() - start) / 1e6)
    return statistics.median(times["export"]), statistics.median(times["floor"])


def sound_start(build, runs):
    """Medians, in ms, of F8 to the first samples a private PulseAudio's null sink takes: the first
    F8 of a window (one a process) and every later one."""
    runtime = tempfile.mkdtemp()
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=runtime, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["pulseaudio", "--daemonize=yes", "-n", "--exit-idle-time=-1",
                    "--load=module-null-sink sink_name=null", "--load=module-native-protocol-unix"],
                   env=env, check=True, capture_output=True)
    binary = f"{build}/bench/tessalo_sound_bench"
    try:
        time.sleep(1)
        firsts = []
        for _ in range(runs):  # a process has one first F8
            out = subprocess.run([binary, "--benchmark_filter=FirstF8", "--benchmark_format=json"],
                                 env=env, check=True, capture_output=True, text=True).stdout
            firsts.append(json.loads(out)["benchmarks"][0]["real_time"])
        later = google_benchmark(binary, env)["LaterF8/manual_time"] / 1000
    finally:
        subprocess.run(["pulseaudio", "--kill"], env=env, capture_output=True)
    return statistics.median(firsts), later


def soak(build, cycles):
    out = subprocess.run([f"{build}/bench/tessalo_soak", str(cycles)], check=True, capture_output=True, text=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout.split()
    figures = dict(zip(out[::2], map(int, out[1::2])))
    return (figures["end-rss-kib"] - figures["warm-rss-kib"]) / 1024, figures["dialog-growth-kib"] / 1024


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build/release")
    parser.add_argument("--runs", type=int, default=15, help="start-up runs of each program (at least 10)")
    parser.add_argument("--cycles", type=int, default=100000, help="Show/Clear cycles in the soak")
    parser.add_argument("--skip-soak", action="store_true")
    parser.add_argument("--web", default="build/web/site", help="the web page's folder (cmake --preset web)")
    args = parser.parse_args()
    build = args.build
    rows = []

    core = google_benchmark(f"{build}/bench/tessalo_core_bench")
    show = max(v for k, v in core.items() if k.startswith("Show/") and k.endswith("n:11"))
    show_one = max(v for k, v in core.items() if k.startswith("Show/") and k.endswith("n:1"))
    clear = max(v for k, v in core.items() if k.startswith("ClearAfterEleven"))
    added = max(v for k, v in core.items() if k.startswith("AddedCellsToEleven"))
    spoken = max(v for k, v in core.items() if k.startswith("SpokenStepToEleven"))
    lesson_step = max(v for k, v in core.items() if k.startswith("LessonStepAtEleven") and k.endswith("command:2"))
    lesson_show = max(v for k, v in core.items() if k.startswith("LessonStepAtEleven") and k.endswith("command:0"))
    explore = max(v for k, v in core.items() if k.startswith("ExploreRowsAtEleven"))
    further = max(v for k, v in core.items() if k.startswith("FurtherShowLargest/"))
    further_board = max(v for k, v in core.items() if k.startswith("FurtherBoardLargest/"))
    claim = core["CheckTypedClaim"]
    rows += [("Show, n = 11, slowest kind (core)", f"{show:.2f} µs", "≤ 20 µs", show <= 20),
             ("Show of the largest further picture, its cells, slowest (core)", f"{further:.2f} µs",
              "≤ 2 × Show", further <= 2 * show),
             ("  the same as the board a front end draws", f"{further_board:.2f} µs", "", None),
             ("A typed claim read and checked, with its lines (core)", f"{claim:.2f} µs", "≤ 1000 µs",
              claim <= 1000),
             ("Show, n = 1, slowest kind (core)", f"{show_one:.3f} µs", "", None),
             ("Clear after n = 11, slowest kind (core)", f"{clear:.2f} µs", "≤ 5 µs", clear <= 5),
             ("Cells added by the step to n = 11, slowest kind (core)", f"{added:.2f} µs", "≤ 20 µs", added <= 20),
             ("Spoken sentence after that step, slowest kind (core)", f"{spoken:.2f} µs", "≤ 20 µs", spoken <= 20),
             ("Lesson step with the argument, step up to n = 11, slowest kind (core)", f"{lesson_step:.2f} µs",
              "≤ 20 µs", lesson_step <= 20),
             ("  the same after Show at n = 11, with the build-up's order", f"{lesson_show:.2f} µs", "", None),
             ("Rows and cell words of that picture, slowest kind (core)", f"{explore:.2f} µs", "≤ 20 µs",
              explore <= 20)]

    draw = google_benchmark(f"{build}/bench/tessalo_draw_bench", dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    paint1, paint2, grab = draw["PaintBoard/ratio:1"], draw["PaintBoard/ratio:2"], draw["GrabWindow"]
    rows += [("Paint 121 cells, 96 DPI", f"{paint1 / 1000:.3f} ms", "≤ 1 ms", paint1 <= 1000),
             ("Paint 121 cells, pixel ratio 2", f"{paint2 / 1000:.3f} ms", "", None),
             ("Grab the whole window", f"{grab / 1000:.3f} ms", "", None)]

    saves = google_benchmark(f"{build}/bench/tessalo_export_bench", dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    names = ("pdf", "pdf_with_argument", "pdf_as_in_window", "svg", "png", "png_as_in_window", "gif")
    pdf, pdf_argument, pdf_window, svg, png, png_window, gif = (saves[f"SaveFromWindow/{f}"] / 1000 for f in names)
    rows += [("Save the n = 11 picture as a PDF handout from the window", f"{pdf:.2f} ms", "≤ 50 ms", pdf <= 50),
             ("  the same with the argument", f"{pdf_argument:.2f} ms", "≤ 150 ms", pdf_argument <= 150),
             ("  the same as the window shows it", f"{pdf_window:.2f} ms", "", None),
             ("  the handout as SVG", f"{svg:.2f} ms", "", None),
             ("  the handout as PNG, 1092 pixels wide", f"{png:.2f} ms", "", None),
             ("  the same as the window shows it", f"{png_window:.2f} ms", "", None),
             ("  the step to it as a GIF, 1280 pixels wide", f"{gif:.0f} ms", "≤ 1000 ms", gif <= 1000)]
    tactile, brf = saves["TactilePdf"] / 1000, saves["Brf"] / 1000
    rows += [("The tactile sheet of that picture as PDF, braille and all", f"{tactile:.1f} ms", "≤ 200 ms",
              tactile <= 200),
             ("  the proof and the argument in braille (BRF)", f"{brf:.2f} ms", "", None)]
    if shutil.which("pulseaudio"):
        first, later = sound_start(build, max(args.runs, 5))
        rows += [(f"F8 to the sound server's first samples, first F8 of a window, median of {max(args.runs, 5)}",
                  f"{first:.1f} ms", "≤ 50 ms", first <= 50),
                 ("  every later F8", f"{later:.1f} ms", "≤ 50 ms", later <= 50)]
    else:
        rows.append(("Sound figures", "skipped: no pulseaudio", "", None))
    runs = max(args.runs, 10)
    e_ms, f_ms = export_from_command_line(build, runs)
    rows += [(f"--export x.svg, n = 11, median of {runs} (floor {f_ms:.1f} ms)", f"{e_ms:.1f} ms",
              "≤ 1.5 × floor", e_ms <= 1.5 * f_ms),
             ("  ratio to the floor", f"{e_ms / f_ms:.2f}", "≤ 1.5", None)]

    if shutil.which("Xvfb") and shutil.which("openbox"):
        large, hd = click_to_paint(build, "3840x2160"), click_to_paint(build, "1920x1080")
        window, full = large[(0, 0)], max(large[(1, 0)], large[(1, 1)])
        rows += [("Click Show to painted, n = 11, slowest kind, 100 %", f"{window:.2f} ms", "", None),
                 ("  the same, full screen on 3840 × 2160", f"{full:.2f} ms", "≤ 16 ms", full <= 16),
                 ("  the same, full screen on 1920 × 1080, the argument shown", f"{hd[(1, 1)]:.2f} ms", "≤ 16 ms",
                  hd[(1, 1)] <= 16),
                 ("  the five further identities, full screen on 1920 × 1080",
                  f"{hd['further']:.2f} ms", "≤ 16 ms", hd["further"] <= 16)]

    if shutil.which("Xvfb"):
        runs = max(args.runs, 10)
        s = startup(build, runs)
        (t_ms, t_kib), (f_ms, f_kib) = s["tessalo"], s["floor"]
        rows += [(f"Start to first frame, median of {runs} (floor {f_ms:.1f} ms)", f"{t_ms:.1f} ms",
                  "≤ 1.15 × floor", t_ms <= 1.15 * f_ms),
                 ("  ratio to the floor", f"{t_ms / f_ms:.2f}", "≤ 1.15", None),
                 ("  in English (--lang en), ratio to the floor", f"{s['english'][0] / f_ms:.2f}", "≤ 1.15",
                  s["english"][0] <= 1.15 * f_ms),
                 (f"Peak resident memory (floor {f_kib / 1024:.1f} MiB)", f"{t_kib / 1024:.1f} MiB",
                  "≤ 1.10 × floor", t_kib <= 1.10 * f_kib),
                 ("  ratio to the floor", f"{t_kib / f_kib:.2f}", "≤ 1.10", None)]
    else:
        rows.append(("Start-up figures", "skipped: no Xvfb", "", None))

    if shutil.which("chromium") and os.path.isfile(os.path.join(args.web, "index.html")):
        import web_page
        m = web_page.measure(args.web)
        rows += [(f"Web page: {label}, ratio to the floor", f"{m[key]['ratio']:.2f}", f"≤ {limit}",
                  m[key]["ratio"] <= limit) for key, label, limit in web_page.RATIOS]
        rows += [("Web page: all files, gzip", f"{m['gzipKib']:.1f} KiB", "≤ 200 KiB", m["gzipKib"] <= 200),
                 ("Web page: Show, n = 11, to the SVG, slowest kind", f"{m['showMs']:.3f} ms", "≤ 1 ms",
                  m["showMs"] <= 1)]
    else:
        rows.append(("Web page figures", "skipped: no chromium or web build", "", None))

    if not args.skip_soak:
        growth, dialogs = soak(build, args.cycles)
        rows.append((f"Resident growth over {args.cycles:,} Show/Clear cycles", f"{growth:.2f} MiB", "< 1 MiB",
                     growth < 1))
        rows.append(("Resident growth over 100 opens of the save dialog", f"{dialogs:.2f} MiB", "≤ 0.5 MiB",
                     dialogs <= 0.5))

    print(f"Machine: {platform.machine()}, {os.cpu_count()} cores, {platform.platform()}")
    print(f"| {'Figure':<58} | {'Measured':>12} | {'Target':<15} | Met |")
    print(f"|{'-' * 60}|{'-' * 14}|{'-' * 17}|-----|")
    for name, value, target, met in rows:
        mark = "" if met is None else ("yes" if met else "NO")
        print(f"| {name:<58} | {value:>12} | {target:<15} | {mark:<3} |")


if __name__ == "__main__":
    main()
