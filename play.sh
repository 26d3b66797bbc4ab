#!/usr/bin/env bash
# Installs what the game needs, builds it (Release) and starts it from the repository root.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
trambul_install_deps
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMBUL_TESTS=OFF
cmake --build build/release
exec ./build/release/trambul "$@"
