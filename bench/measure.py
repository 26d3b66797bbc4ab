# Runs the game and the two reference dialogs alternately; prints the medians of start-up time and peak memory and the
# game's ratios to each. Called by bench/startup.sh, which builds the programs and provides the display.
import os, random, statistics, subprocess, sys, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import loadcheck

runs = int(sys.argv[1])
# "bare": the smallest Qt Widgets dialog, no set-up at all; "dialog": the same with the game's set-up (Russian
# translations, its font).
programs = {"game": ["build/release/trambul"], "dialog": ["build/release/bench/minimal_dialog"],
            "bare": ["build/release/bench/minimal_dialog", "--bare"]}
env = dict(os.environ, TRAMBUL_BENCH_EXIT_ON_SHOW="1", SDL_AUDIODRIVER="dummy")
times = {name: [] for name in programs}
memory = {name: [] for name in programs}
cpu = {name: [] for name in programs}

mark = loadcheck.check("before")

def run(name):
    start = time.perf_counter()
    child = subprocess.Popen(programs[name], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    # The start-up ends when the program reports its first window on screen; the game then goes on until the main
    # window behind the name window has been painted too, and its memory and CPU are counted up to there.
    out = ""
    elapsed = None
    for line in child.stdout:
        out += line.decode()
        if elapsed is None and "first window shown" in out:
            elapsed = (time.perf_counter() - start) * 1000
    _, status, usage = os.wait4(child.pid, 0)
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
mark = loadcheck.check("after") or mark

med = {name: statistics.median(times[name]) for name in programs}
mem = {name: statistics.median(memory[name]) for name in programs}
cpums = {name: statistics.median(cpu[name]) for name in programs}
for name in programs:
    print(f"{name:7} start-up median {med[name]:6.1f} ms (min {min(times[name]):6.1f}, max {max(times[name]):6.1f}),"
          f" CPU {cpums[name]:6.1f} ms, peak RSS {mem[name]:6.1f} MiB")


# How far the start-up ratio may wander: the runs alternate, so the game's i-th run and the reference's i-th run met the
# same moment of the machine; rounds are drawn again with replacement and the ratio of the medians taken each time.
def ratio_spread(ref, draws=2000):
    rounds = random.Random(1)
    ratios = []
    for _ in range(draws):
        picked = [rounds.randrange(runs) for _ in range(runs)]
        ratios.append(statistics.median(times["game"][i] for i in picked)
                      / statistics.median(times[ref][i] for i in picked))
    ratios.sort()
    return ratios[int(draws * 0.05)], ratios[int(draws * 0.95) - 1]


for ref, goal_time, goal_mem in (("bare", "1.5x", "1.3x"), ("dialog", "1.15x", "-")):
    low, high = ratio_spread(ref)
    print(f"game / {ref:6}  start-up {med['game'] / med[ref]:.2f}x (goal {goal_time}; 90% of redrawn rounds"
          f" {low:.2f}x-{high:.2f}x), CPU {cpums['game'] / cpums[ref]:.2f}x,"
          f" peak memory {mem['game'] / mem[ref]:.2f}x (goal {goal_mem})  ({runs} runs each, alternating){mark}")
