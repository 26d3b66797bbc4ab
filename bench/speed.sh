#!/usr/bin/env bash
# The clock, pictures, music, file readers and memory of the game against their floor and the reference tools
# (djpeg, mpg123, ogg123, the smallest Qt dialog), measured side by side in one run. Never part of CI.
# Usage: bench/speed.sh [runs]     (runs of each reference command, default 15; bench/install-bench-deps.sh first)
# Builds a Release build in build/release with -DTRAMBUL_BENCH=ON, makes the large files in /tmp/trambul-bench (a
# 3000x2000 photo, a 50 MB MP3 and a 50 MB Ogg made of the shipped tracks) and prints one line per figure: the game,
# the reference, their ratio, the goal, and the command that measures it again. The load average is printed before and
# after; on a machine busier than 1.5 per core nothing is reported unless BENCH_ALLOW_LOAD=1, which marks every figure.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-15}"
work=/tmp/trambul-bench
mkdir -p "$work"

export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMBUL_TESTS=OFF -DTRAMBUL_BENCH=ON >/dev/null
cmake --build build/release --target trambul speed_bench session_driver minimal_dialog MPGLib Vorbis >/dev/null

# A photo-like picture: smooth gradients under fine noise, saved as a camera would (quality 92, 4:2:0).
[ -s "$work/photo.jpg" ] || convert -size 3000x2000 gradient:'#3a6ea5-#f2c14e' \
    \( -size 3000x2000 plasma:fractal -blur 0x2 \) -compose overlay -composite \
    -attenuate 0.4 +noise Gaussian -quality 92 -sampling-factor 2x2 "$work/photo.jpg"
[ -s "$work/1x1.jpg" ] || convert -size 1x1 xc:gray "$work/1x1.jpg"
# 50 MB of the shipped tracks one after another (an MP3 stream of frames; chained Ogg streams).
make_big() {
    local target="$1"
    shift
    [ -s "$target" ] && return
    : >"$target"
    while [ "$(stat -c %s "$target")" -lt 52428800 ]; do cat "$@" >>"$target"; done
}
make_big "$work/big.mp3" Data/Soundtracks/*.mp3
make_big "$work/big.ogg" Data/Soundtracks/*.ogg

python3 bench/speed.py build/release "$work" "$runs"
