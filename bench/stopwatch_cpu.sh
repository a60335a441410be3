#!/usr/bin/env bash
# The share of one core a running stopwatch takes: starts kelvara_stopwatch_cpu (the real
# menu window, Start pressed), then reads utime + stime from /proc/PID/stat before and after
# 10 s. Offscreen unless QT_QPA_PLATFORM says otherwise (QT_QPA_PLATFORM=xcb DISPLAY=:N
# draws on an X server).
#   bench/stopwatch_cpu.sh [build folder, build/bench]
set -euo pipefail
build=${1:-build/bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build/bench/kelvara_stopwatch_cpu" 13 >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
sleep 1.5  # the window up and the stopwatch running
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v used=$((after - before)) -v hz="$hz" 'BEGIN {
  share = 100 * used / hz / 10
  printf "running stopwatch: utime+stime %d ticks of 1/%d s in 10 s = %.2f %% of one core (%s 1 %%)\n",
         used, hz, share, share < 1 ? "meets" : "MISSES"
  exit share < 1 ? 0 : 1
}'
