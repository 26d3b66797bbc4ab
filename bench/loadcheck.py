"""The load of the machine around a measurement. On a busy machine both programs wait for a core, which flatters the
slower one, so the figures of a run above 1.5 per core are refused, unless BENCH_ALLOW_LOAD=1 asks for them anyway;
then every figure of the run carries a loud mark."""
import os
import sys

LIMIT_PER_CORE = 1.5


def load_average():
    return [float(x) for x in open("/proc/loadavg").read().split()[:3]]


def check(when):
    """Prints the load; returns the mark for the figures ("" on a quiet machine) or stops the run."""
    cores = os.cpu_count() or 1
    one, five, fifteen = load_average()
    print(f"load average {when}: {one:.2f} {five:.2f} {fifteen:.2f} on {cores} cores "
          f"(limit {LIMIT_PER_CORE * cores:.1f})", flush=True)
    if one <= LIMIT_PER_CORE * cores:
        return ""
    if os.environ.get("BENCH_ALLOW_LOAD") != "1":
        sys.exit(f"the machine is busy (load {one:.2f} > {LIMIT_PER_CORE} per core): no figures reported; "
                 "measure again when it is quiet, or set BENCH_ALLOW_LOAD=1 to see flagged figures")
    print("!!! MEASURED UNDER LOAD: these figures are not fit to quote as the game's own !!!", flush=True)
    return "  [UNDER LOAD]"
