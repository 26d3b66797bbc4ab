# Runs the game and the reference dialog alternately; prints the medians of start-up time and peak memory.
# Called by bench/startup.sh, which builds the programs and provides the display.
import os, statistics, subprocess, sys, time

runs = int(sys.argv[1])
programs = {"game": ["build/release/trambul"], "dialog": ["build/release/bench/minimal_dialog"]}
env = dict(os.environ, TRAMBUL_BENCH_EXIT_ON_SHOW="1", SDL_AUDIODRIVER="dummy")
times = {name: [] for name in programs}
memory = {name: [] for name in programs}
cpu = {name: [] for name in programs}

def run(name):
    start = time.perf_counter()
    child = subprocess.Popen(programs[name], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = (time.perf_counter() - start) * 1000
    out = child.stdout.read().decode()
    child.returncode = status
    if status != 0 or "first window shown" not in out:
        sys.exit(f"{name} did not report its first window (status {status}): {out!r}")
    times[name].append(elapsed)
    memory[name].append(usage.ru_maxrss / 1024)
    cpu[name].append((usage.ru_utime + usage.ru_stime) * 1000)

for name in programs:  # one warm-up run each: the first run pays for the disk cache
    run(name)
    times[name].clear(); memory[name].clear(); cpu[name].clear()
for _ in range(runs):
    for name in programs:
        run(name)

med = {name: statistics.median(times[name]) for name in programs}
mem = {name: statistics.median(memory[name]) for name in programs}
cpums = {name: statistics.median(cpu[name]) for name in programs}
for name in programs:
    print(f"{name:7} start-up median {med[name]:6.1f} ms (min {min(times[name]):6.1f}, max {max(times[name]):6.1f}),"
          f" CPU {cpums[name]:6.1f} ms, peak RSS {mem[name]:6.1f} MiB")
print(f"ratio   start-up {med['game'] / med['dialog']:.2f}x (CPU {cpums['game'] / cpums['dialog']:.2f}x), peak memory {mem['game'] / mem['dialog']:.2f}x"
      f"  ({runs} runs each, alternating)")
