#!/usr/bin/env bash
# Installs what the game needs, builds it with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
trambul_install_deps
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAMBUL_SANITIZE=ON -DTRAMBUL_TESTS=ON
cmake --build build/asan
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Leak detection stays off: Qt is not built to unwind exceptions, so the one place that turns a handler's
# exception into the error box leaves a few of Qt's event copies behind by design.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/asan
ctest --output-on-failure -j2
