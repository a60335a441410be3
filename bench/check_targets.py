#!/usr/bin/env python3
"""Checks the benchmark results (Google Benchmark JSON files) against Kelvara's targets.

    bench/check_targets.py handlers.json forms.json range.json

Every handler and field rule under 0.1 ms a run; a full sweep of a scroll bar under 20 ms
(through the page logic and through the real window, painted once at the end); the first
show of every page under 10 ms (median of its repetitions); 100 000 Monte Carlo samples and
a bounds search of every page's main calculation under 1 s. The sweeps that paint after
every position are shown for information: a real drag paints at most once a screen frame.

The window timings also give the processor time of the program's thread (thread_cpu_ms):
on a machine shared with other work the wall time includes waiting for a core, so those
targets are judged on the processor time; both figures are printed.
Exits with 1 when a target is missed or a benchmark reported a wrong result.
"""

import json
import sys

UNIT = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def milliseconds(run):
    return run["real_time"] * UNIT[run["time_unit"]]


def target_for(name):
    """(limit in ms, what it is) for a benchmark, or None when it has no target."""
    if name.startswith(("MonteCarlo100000/", "Bounds2inputs/")):
        return 1000.0, "range of results"
    if name.startswith("PerSample/"):
        return None, "engine cost a sample"
    if name.startswith("FirstShow/"):
        return 10.0, "first show"
    if name.startswith("Sweep/"):
        return (None if "repaint_each_step" in name else 20.0), "sweep through the window"
    if name.endswith("_sweep"):
        return 20.0, "sweep through the page logic"
    return 0.1, "handler or field rule"


def main(paths):
    missed = 0
    rows = []
    for path in paths:
        with open(path) as file:
            runs = json.load(file)["benchmarks"]
        for run in runs:
            repeated = run.get("run_type") == "aggregate"
            if repeated and run.get("aggregate_name") != "median":
                continue
            name = run.get("run_name", run["name"]).split("/iterations:")[0]
            if run.get("error_occurred"):
                rows.append((name, "", "", "WRONG: " + run.get("error_message", "")))
                missed += 1
                continue
            limit, kind = target_for(name)
            if name.startswith("PerSample/"):
                # The engine's own cost a sample, beside the page's handlers in the same run.
                engine, handler = run["engine_us"], run["handler_us"]
                allowed = max(handler, 2.0)
                verdict = "meets" if engine <= allowed else "MISSES"
                missed += verdict == "MISSES"
                rows.append((name, f"{engine:.2f} us (handler {handler:.2f})",
                             f"<= {allowed:.2f} us", f"{verdict} ({kind})"))
                continue
            wall = milliseconds(run)
            figure = run.get("thread_cpu_ms", wall)
            if limit is None:
                verdict = "information"
            elif figure < limit:
                verdict = "meets"
            else:
                verdict = "MISSES"
                missed += 1
            shown = f"{figure:.4f} ms"
            if "thread_cpu_ms" in run:
                shown += f" (wall {wall:.2f})"
            rows.append((name, shown, "" if limit is None else f"< {limit:g} ms",
                         f"{verdict} ({kind})"))
    width = max(len(row[0]) for row in rows)
    for name, figure, limit, verdict in rows:
        print(f"{name:<{width}}  {figure:>24}  {limit:>9}  {verdict}")
    print(f"{len(rows)} timings, {missed} missed or wrong")
    return 1 if missed else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1:]))
