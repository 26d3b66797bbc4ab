#!/usr/bin/env bash
# Start-up and peak memory of the game against the smallest Qt dialog, bare and with the game's set-up, side by side.
# Usage: bench/startup.sh [runs]        (default 20 runs of each, alternating)
#        BENCH_PLATFORM=offscreen bench/startup.sh   to skip the X server when it is too noisy
# Builds a Release build in build/release, then for each program measures the wall time from launch to the moment its
# first window (the game's name window) has been painted and handed to the screen, which the program reports
# (TRAMBUL_BENCH_EXIT_ON_SHOW=1). The programs stop themselves once their whole first picture is painted (for the game,
# the main window behind the name window too): CPU is the user and system time of all the program's threads, and peak
# resident memory the child's ru_maxrss, up to that moment. The load average is printed before and after; a run on a
# machine busier than 1.5 per core reports nothing unless BENCH_ALLOW_LOAD=1, and then its figures are marked. On a busy
# machine the wall times wander: bench/instructions.sh counts instructions instead, which do not.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
platform="${BENCH_PLATFORM:-xcb}"

export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMBUL_TESTS=OFF -DTRAMBUL_BENCH=ON >/dev/null
cmake --build build/release --target trambul minimal_dialog >/dev/null

echo "QPA platform: $platform; reproduce with:" \
    "BENCH_PLATFORM=$platform bench/startup.sh $runs"
if [ "$platform" = offscreen ]; then
    QT_QPA_PLATFORM=offscreen python3 bench/measure.py "$runs"
else
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" python3 bench/measure.py "$runs"
fi
