#!/usr/bin/env bash
# Fuzzes every content reader with libFuzzer for the given seconds each (60 by default):
#   tools/fuzz.sh [seconds]
# Builds build/fuzz with clang (-fsanitize=fuzzer,address,undefined), seeds each reader's corpus from the game's own
# files under Data and from tests/fuzz/regressions, and leaves whatever crashes, leaks or runs out of time or memory
# in build/fuzz/findings/<reader>/. Copy each finding to tests/fuzz/regressions/<reader>/ with a name that says what
# it is, mend the reader, and the normal test suite replays it from then on.
# Debian's clang 14 brings libFuzzer with it; only where `clang -fsanitize=fuzzer` fails is libclang-rt-14-dev needed
# (not one of the packages tools/install-deps.sh installs).
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link" \
    -DTRAMBUL_SANITIZE=ON -DTRAMBUL_TESTS=OFF -DTRAMBUL_FUZZ=ON >/dev/null

# Each reader and the files it reads in the game, from the one list in fuzz/FuzzTargets.cpp.
declare -A seeds=()
while read -r target patterns; do
    seeds[$target]=$patterns
done <"$build/fuzz/targets.txt"
targets=$(printf '%s\n' "${!seeds[@]}" | sort)
cmake --build "$build" --target $(printf 'fuzz_%s ' $targets)

found=0
for target in $targets; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    mkdir -p "$corpus" "$findings"
    (cd "$root" && for seed in ${seeds[$target]} tests/fuzz/regressions/$target/*; do
        # The music's seeds are their first 64 KB: the headers and tags the readers look at, and the first seconds
        # that the player decodes (tools/make-playback-seeds.py makes small, damaged ones from the shipped tracks).
        [ -f "$seed" ] && head -c 65536 "$seed" >"$corpus/$(basename "$seed")" || true
    done)
    echo "== $target: $seconds s"
    # Pictures and texts up to 64 KB cover every structure; larger inputs only slow the search down.
    ASAN_OPTIONS=detect_leaks=1 "$build/fuzz/fuzz_$target" "$corpus" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$findings/" -print_final_stats=1 2>"$build/$target.log" || true
    grep -E "^stat::number_of_executed_units|^==.*ERROR|SUMMARY" "$build/$target.log" || true
    count=$(find "$findings" -type f | wc -l)
    found=$((found + count))
done
echo "Findings: $found (in $build/findings)"
[ "$found" -eq 0 ]
