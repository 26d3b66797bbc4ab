#!/usr/bin/env bash
# Start-up of the game against the smallest Qt dialog in instructions of the main thread (callgrind), a figure that does
# not move with the load of a shared machine. Run after bench/startup.sh has built build/release.
# Usage: bench/instructions.sh
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
export TRAMBUL_BENCH_EXIT_ON_SHOW=1 SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file=$out/game.%p build/release/trambul
    valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file=$out/dialog.%p build/release/bench/minimal_dialog
    valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file=$out/bare.%p build/release/bench/minimal_dialog --bare
" >/dev/null 2>&1
# Thread 1 is the main thread, which the window waits for. A program may fork a helper (the D-Bus autolaunch when there
# is no session bus); the program itself is the process with the most instructions.
process() { grep -m1 '^summary:' "$out/$1".*-01 | sort -t' ' -k2 -n | tail -1 | cut -d: -f1 | sed 's/-01$//'; }
main_thread() { grep -m1 '^summary:' "$(process "$1")-01" | awk '{print $2}'; }
all_threads() { cat "$(process "$1")"-* | awk '/^summary:/ {sum += $2} END {print sum}'; }
game=$(main_thread game) dialog=$(main_thread dialog) bare=$(main_thread bare)
printf 'main thread: game %.1f M, dialog %.1f M, bare dialog %.1f M instructions; game/dialog %.2fx, game/bare %.2fx\n' \
    "$(bc -l <<<"$game/1000000")" "$(bc -l <<<"$dialog/1000000")" "$(bc -l <<<"$bare/1000000")" \
    "$(bc -l <<<"$game/$dialog")" "$(bc -l <<<"$game/$bare")"
printf 'all threads: game %.1f M, dialog %.1f M, bare dialog %.1f M instructions\n' \
    "$(bc -l <<<"$(all_threads game)/1000000")" "$(bc -l <<<"$(all_threads dialog)/1000000")" \
    "$(bc -l <<<"$(all_threads bare)/1000000")"
rm -rf "$out"
