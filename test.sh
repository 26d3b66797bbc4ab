#!/usr/bin/env bash
# Installs what the game needs, builds it with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
trambul_install_deps
# Paths under the checkout are cached relative to it, so another clone of the game reuses the compiler cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAMBUL_SANITIZE=ON -DTRAMBUL_TESTS=ON
cmake --build build/asan
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/asan
ctest --output-on-failure -j2
