#!/usr/bin/env bash
# What only the measuring programs need (never CI): Google Benchmark and the reference tools the game's decoders are
# compared with. Usage: bench/install-bench-deps.sh   (as root, or with sudo)
set -euo pipefail
install_bench_deps() {
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y --no-install-recommends libbenchmark-dev mpg123 vorbis-tools libjpeg-turbo-progs \
        valgrind imagemagick xvfb
}
install_bench_deps
