#!/usr/bin/env bash
# Lets the monkey play N seeded school years (100 by default) through the real windows and prints its figures:
#   tools/monkey.sh [seeds] [first seed] [release|asan]
# Each seed plays from a new game until the credits (or 60000 ticks, when deaths and new games keep it from them).
# Seeds run in batches of 25, one test program each, so a crash loses one batch and names it; the batch logs stay in
# build/<kind>/monkey/. A failing seed is replayed with
#   TRAMBUL_MONKEY_FIRST_SEED=<seed> TRAMBUL_MONKEY_SEEDS=1 TRAMBUL_MONKEY_TICKS=60000 build/asan/tests/test_game \
#       --gtest_filter='Monkey.*'
set -uo pipefail
seeds=${1:-100}
first=${2:-1}
kind=${3:-release}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/$kind
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
if [[ $kind == asan ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAMBUL_SANITIZE=ON -DTRAMBUL_TESTS=ON >/dev/null
else
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAMBUL_TESTS=ON >/dev/null
fi
cmake --build "$build" -j2 --target test_game >/dev/null || exit 1

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy TRAMBUL_MONKEY_TICKS=${TRAMBUL_MONKEY_TICKS:-60000}
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
logs=$build/monkey
mkdir -p "$logs"
rm -f "$logs"/batch-*.log
batch=25
failed=0
cd "$root"
for ((start = first; start < first + seeds; start += batch)); do
    count=$((first + seeds - start < batch ? first + seeds - start : batch))
    log=$logs/batch-$start.log
    if ! TRAMBUL_MONKEY_FIRST_SEED=$start TRAMBUL_MONKEY_SEEDS=$count "$build/tests/test_game" \
        --gtest_filter='Monkey.PlaysTheSchoolYearThroughTheRealWindows' >"$log" 2>&1; then
        failed=$((failed + 1))
        echo "batch of seeds $start..$((start + count - 1)) failed: $log"
        grep -E '^fault:|ERROR: AddressSanitizer|runtime error' "$log" | head -5
    fi
done

# The sums of the batches' figure lines.
cat "$logs"/batch-*.log | awk '
    /^monkey: / { for (i = 2; i <= NF; ++i) { split($i, kv, "="); sum[kv[1]] += kv[2] } }
    /^windows:/ { for (i = 2; i <= NF; ++i) { split($i, kv, "="); opened[kv[1]] += kv[2] } }
    /^fault: / { print }
    END {
        printf "seeds %d, years to the credits %d, ticks %d, windows opened %d, messages %d, error boxes %d, ",
            sum["seeds"], sum["years"], sum["ticks"], sum["windows"], sum["messages"], sum["errorboxes"]
        printf "deaths %d, quits %d, saves checked %d, files offered to load %d, faults %d\n",
            sum["deaths"], sum["quits"], sum["saves"], sum["loads"], sum["faults"]
        n = 0; line = ""
        for (w in opened) { ++n; line = line " " w "=" opened[w] }
        printf "kinds of window opened: %d:%s\n", n, line
    }'
echo "failed batches: $failed"
[[ $failed == 0 ]]
