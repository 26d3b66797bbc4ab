#!/usr/bin/env python3
"""The game's work against its floor and the reference tools, side by side in one run; prints each figure as a ratio
with the command that reproduces it. Run through bench/speed.sh (it builds the programs and makes the files)."""
import json
import os
import statistics
import subprocess
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import loadcheck

BUILD = sys.argv[1]
WORK = sys.argv[2]
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 15
BENCH = os.path.join(BUILD, "bench", "speed_bench")
ENV = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy",
           BENCH_PHOTO=os.path.join(WORK, "photo.jpg"), BENCH_BIG_MP3=os.path.join(WORK, "big.mp3"),
           BENCH_BIG_OGG=os.path.join(WORK, "big.ogg"))
ROWS = []


def row(figure, game, reference, ratio, goal, command):
    ROWS.append((figure, game, reference, ratio, goal, command))
    print(f"{figure:44} {game:>14} {reference:>14} {ratio:>8}  goal {goal:8}{MARK} | {command}", flush=True)


def child_run(command, env=None):
    """CPU seconds (user + system, all threads) and peak resident KiB of one run of a command."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        raise SystemExit(f"failed ({status}): {' '.join(command)}")
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss, time.perf_counter() - start


def median_cpu(command, runs):
    return statistics.median(child_run(command)[0] for _ in range(runs))


def least_cpu(command, runs):
    """For commands of a millisecond or two, whose median a busy machine moves by half: the least of the runs."""
    return min(child_run(command)[0] for _ in range(runs))


def google_benchmark(name_filter, extra=()):
    out = subprocess.run([BENCH, f"--benchmark_filter={name_filter}", "--benchmark_format=json",
                          "--benchmark_min_time=0.3", *extra],
                         env=ENV, check=True, capture_output=True, text=True).stdout
    results = {}
    for entry in json.loads(out)["benchmarks"]:
        if entry.get("error_occurred"):
            raise SystemExit(f"{entry['name']}: {entry.get('error_message')}")
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
        entry["cpu_s"] = entry["cpu_time"] * scale
        entry["real_s"] = entry["real_time"] * scale
        results[entry["name"]] = entry
    return results


def reproduce(name_filter):
    return f"{BENCH} --benchmark_filter='{name_filter}'"


MARK = loadcheck.check("before")
print(f"{RUNS} runs of each reference command\n")

# ---- The clock ----
r = google_benchmark("BM_TickFloor|BM_ApplyClockRules|BM_GameClockTick|BM_SchoolYear")
floor = r["BM_TickFloor"]["cpu_s"]
rules = r["BM_ApplyClockRules"]["cpu_s"]
tick = r["BM_GameClockTick"]["cpu_s"]
year = r["BM_SchoolYear/iterations:3"]
ticks = year["ticks"]
row("clock rules of a tick (ApplyClockRules)", f"{rules * 1e6:.2f} us", f"{floor * 1e6:.2f} us", f"{rules / floor:.1f}x",
    "few us", reproduce("BM_TickFloor|BM_ApplyClockRules"))
row("GameClockTick, headless (rules + 9 checks)", f"{tick * 1e6:.2f} us", f"{floor * 1e6:.2f} us",
    f"{tick / floor:.1f}x", "<=3x", reproduce("BM_TickFloor|BM_GameClockTick"))
row(f"school year headless ({ticks:.0f} ticks)", f"{year['cpu_s'] * 1e3:.0f} ms",
    f"{floor * ticks * 1e3:.1f} ms", f"{year['cpu_s'] / (floor * ticks):.1f}x", "<1 s", reproduce("BM_SchoolYear"))
r = google_benchmark("BM_Speed3CoreShare")
share = r["BM_Speed3CoreShare/iterations:1/real_time"]["core_share_pct"]
row("speed 3 (10 ms ticks), share of one core", f"{share:.2f} %", f"{tick / 0.010 * 100:.3f} % tick", "", "<5 %",
    reproduce("BM_Speed3CoreShare"))

# The main window on a real X server (Xvfb), painted on every tick; offscreen when there is no Xvfb.
driver = [os.path.join(BUILD, "bench", "session_driver")]
if shutil.which("xvfb-run"):
    shown_env, where = dict(ENV, QT_QPA_PLATFORM="xcb"), "Xvfb"
    driver = ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24"] + driver
else:
    shown_env, where = dict(ENV), "offscreen"
shown = subprocess.run(driver, env=shown_env, capture_output=True, text=True, check=True).stdout
share_shown = float(shown.split("shown: ")[1].split(" %")[0])
row(f"speed 3, main window shown ({where})", f"{share_shown:.2f} %", "", "", "<5 %", " ".join(driver))

# ---- Pictures ----
r = google_benchmark("BM_LoadJpeg")
empty = least_cpu(["djpeg", "-outfile", "/dev/null", os.path.join(WORK, "1x1.jpg")], RUNS * 4)
shipped_game = shipped_ref = 0.0
for name, entry in sorted(r.items()):
    path = name.split("/", 1)[1]
    ref = max(least_cpu(["djpeg", "-outfile", "/dev/null", path], RUNS * 2) - empty, 1e-6)
    if path.endswith("photo.jpg"):
        row("LoadJpeg, 3000x2000 photo (CPU)", f"{entry['cpu_s'] * 1e3:.1f} ms", f"{ref * 1e3:.1f} ms",
            f"{entry['cpu_s'] / ref:.2f}x", "<=1.1x", reproduce("BM_LoadJpeg/.*photo") + f"; djpeg -outfile /dev/null {path}")
    else:
        shipped_game += entry["cpu_s"]
        shipped_ref += ref
count = len(r) - 1
row(f"LoadJpeg, the {count} shipped pictures (CPU, sum)", f"{shipped_game * 1e3:.2f} ms", f"{shipped_ref * 1e3:.2f} ms",
    f"{shipped_game / shipped_ref:.2f}x", "<=1.1x",
    reproduce("BM_LoadJpeg/Data") + "; djpeg -outfile /dev/null <each>, least of the runs, less that of a 1x1 picture")

# ---- Music ----
r = google_benchmark("BM_DecodeMp3|BM_DecodeOgg", ["--benchmark_min_time=2"])
for kind, tool in (("Mp3", lambda p: ["mpg123", "-q", "-t", p]), ("Ogg", lambda p: ["ogg123", "-q", "-d", "null", p])):
    game = ref = 0.0
    for name, entry in sorted(r.items()):
        if not name.startswith(f"BM_Decode{kind}/"):
            continue
        path = name.split("/", 1)[1]
        game += entry["cpu_s"]
        ref += median_cpu(tool(path), max(RUNS // 3, 3))
    command = " ".join(tool("<track>"))
    row(f"decoding the shipped {kind.upper()} tracks (CPU)", f"{game * 1e3:.0f} ms", f"{ref * 1e3:.0f} ms",
        f"{game / ref:.2f}x", "<=1.2x", reproduce(f"BM_Decode{kind}") + f"; {command}")

# ---- Readers ----
r = google_benchmark("BM_ReadWholeFile|BM_MP3FrameWalk|BM_MP3Info|BM_ID3v2|BM_OggVorbis")


def rate(prefix):
    for name, entry in r.items():
        if name.startswith(prefix):
            return entry["bytes_per_second"] / 1e6
    raise SystemExit(f"no {prefix} figure")


mp3_floor = rate(f"BM_ReadWholeFile/{ENV['BENCH_BIG_MP3']}")
ogg_floor = rate(f"BM_ReadWholeFile/{ENV['BENCH_BIG_OGG']}")
for figure, prefix, floor_rate in (("MP3 frame walk, every frame (in memory)", "BM_MP3FrameWalk", mp3_floor),
                                   ("MP3 file facts and ID3v1 (TMP3Info::ReadFile)", "BM_MP3Info", mp3_floor),
                                   ("ID3v2 tag (TID3v2::ReadFile)", "BM_ID3v2", mp3_floor),
                                   ("Ogg Vorbis facts (TOggVorbis::ReadFile)", "BM_OggVorbis", ogg_floor)):
    # The ratio is the reader's time over the time of reading the file whole (the floor every reader starts from).
    row(figure + ", 50 MB", f"{rate(prefix):.0f} MB/s", f"{floor_rate:.0f} MB/s read", f"{floor_rate / rate(prefix):.2f}x",
        "-", reproduce(prefix + "|BM_ReadWholeFile"))

# ---- Memory ----
# Both against the smallest Qt Widgets dialog, without any set-up (bench/minimal_dialog --bare).
offscreen = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy")
on_show = dict(offscreen, TRAMBUL_BENCH_EXIT_ON_SHOW="1")
bare = [os.path.join(BUILD, "bench", "minimal_dialog"), "--bare"]
ref_kib = statistics.median(child_run(bare, on_show)[1] for _ in range(5))
session = statistics.median(child_run([os.path.join(BUILD, "bench", "session_driver")], offscreen)[1] for _ in range(3))
startup = statistics.median(child_run([os.path.join(BUILD, "trambul")], on_show)[1] for _ in range(5))
row("peak memory, scripted play session", f"{session / 1024:.1f} MiB", f"{ref_kib / 1024:.1f} MiB",
    f"{session / ref_kib:.2f}x", "<=1.8x",
    f"QT_QPA_PLATFORM=offscreen {BUILD}/bench/session_driver vs TRAMBUL_BENCH_EXIT_ON_SHOW=1 minimal_dialog --bare")
row("peak memory at the name window (start-up)", f"{startup / 1024:.1f} MiB", f"{ref_kib / 1024:.1f} MiB",
    f"{startup / ref_kib:.2f}x", "<=1.3x",
    f"TRAMBUL_BENCH_EXIT_ON_SHOW=1 QT_QPA_PLATFORM=offscreen {BUILD}/trambul vs minimal_dialog --bare")
if loadcheck.check("after") and not MARK:
    print("!!! the machine became busy during the run: the figures above are not fit to quote !!!")
