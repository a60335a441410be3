#!/usr/bin/env python3
"""Start-up time and peak memory of Kelvara beside a minimal Qt Widgets program.

Starts both programs under the offscreen platform, interleaved (the order swapping every
round, so that a machine busy with other work slows both alike), each with
KELVARA_EXIT_AFTER_SHOW=1: the program prints the monotonic clock once its first window has
been painted and ends. Start-up is the time from just before the process is created to that
moment; peak memory is the resident set size the kernel reports for the process (ru_maxrss).
Prints the medians and their ratios; exits with 1 when a ratio misses its target.

    bench/startup.py [--runs N] [--build build/bench] [--menu-like]

--menu-like adds a third program to the rounds: plain Qt widgets laid out as the menu window
is, without Kelvara's code, to tell the cost of the widgets shown from the suite's own.
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

TARGET_RATIO = 1.15


def run_once(program, env):
    """Returns (milliseconds to the first window painted, peak resident set in KiB)."""
    start = time.monotonic_ns()
    process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    output = process.stdout.read().decode()
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    shown = [line for line in output.splitlines() if line.startswith("shown ")]
    if process.returncode != 0 or not shown:
        sys.exit(f"{program} did not report its window (exit {process.returncode})")
    return (int(shown[0].split()[1]) - start) / 1e6, usage.ru_maxrss


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=40, help="runs of each program (40)")
    parser.add_argument("--build", default="build/bench", help="the bench preset's build folder")
    parser.add_argument("--menu-like", action="store_true",
                        help="also time the menu window's widgets without Kelvara's code")
    args = parser.parse_args()

    programs = {
        "kelvara": os.path.join(args.build, "src", "kelvara"),
        "minimal": os.path.join(args.build, "bench", "minimal_window"),
    }
    if args.menu_like:
        programs["menu-like"] = os.path.join(args.build, "bench", "menu_like_window")
    for path in programs.values():
        if not os.access(path, os.X_OK):
            sys.exit(f"{path} is missing: build the bench preset first")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", KELVARA_EXIT_AFTER_SHOW="1")

    # One run of each first, not counted, so that both start with the libraries cached.
    for path in programs.values():
        run_once(path, env)
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    round_ratios = []
    for round_number in range(args.runs):
        order = list(programs) if round_number % 2 == 0 else list(reversed(programs))
        this_round = {}
        for name in order:
            milliseconds, kib = run_once(programs[name], env)
            times[name].append(milliseconds)
            memory[name].append(kib)
            this_round[name] = milliseconds
        round_ratios.append(this_round["kelvara"] / this_round["minimal"])

    if args.menu_like:
        like = statistics.median(times["kelvara"]) / statistics.median(times["menu-like"])
        like_memory = statistics.median(memory["kelvara"]) / statistics.median(memory["menu-like"])
    time_ratio = statistics.median(times["kelvara"]) / statistics.median(times["minimal"])
    memory_ratio = statistics.median(memory["kelvara"]) / statistics.median(memory["minimal"])
    print(f"{args.runs} runs of each, interleaved, offscreen")
    print(f"{'':10}{'start-up ms':>14}{'(min':>8}{'max)':>8}{'peak RSS KiB':>15}")
    for name in programs:
        print(f"{name:10}{statistics.median(times[name]):14.1f}{min(times[name]):8.1f}"
              f"{max(times[name]):8.1f}{statistics.median(memory[name]):15.0f}")
    verdict = lambda ratio: "meets" if ratio <= TARGET_RATIO else "MISSES"
    print(f"start-up ratio {time_ratio:.3f} (median of the per-round ratios "
          f"{statistics.median(round_ratios):.3f}): {verdict(time_ratio)} {TARGET_RATIO}")
    print(f"peak memory ratio {memory_ratio:.3f}: {verdict(memory_ratio)} {TARGET_RATIO}")
    if args.menu_like:
        print(f"kelvara against the menu-like window: start-up {like:.3f}, "
              f"peak memory {like_memory:.3f}")
    return 0 if max(time_ratio, memory_ratio) <= TARGET_RATIO else 1


if __name__ == "__main__":
    sys.exit(main())
