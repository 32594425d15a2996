#!/usr/bin/env bash
# CPU that the windowed game uses while it stands idle: the real program in
# a window under Xvfb, both timers running, nothing to do. The game is
# brought to the screen by a script and then left waiting; its own CPU time
# (user + system, all threads, from /proc) is read at the start and at the
# end of a quiet window of wall time, so start-up and loading stay out of
# the figure. The median of three runs is reported.
#   bench/idle_cpu.sh [BUILD_DIR] [SCREEN] [SECONDS]
# SCREEN: "start" (the black start screen, the default), "menu" (the main
# menu after the logo and the language choice, its music playing) or
# "market" (the market place, its faces moving). SECONDS: the quiet window
# (20 by default).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
screen=${2:-start}
window=${3:-20}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

case "$screen" in
  start) setup='' ;;
  menu) setup=$'wait until shown VyberJazyk 60000\nclick Label123\nwait until shown Menu1\nmove 100 100\n' ;;
  market) setup=$'start-scene Natrzisti\nmove 100 100\n' ;;
  *) echo "unknown screen '$screen' (start, menu, market)" >&2; exit 2 ;;
esac
# Time to reach the screen before the quiet window opens (generous: the
# logo movie runs before the language screen).
settle=8

# utime + stime of a process, in clock ticks.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Prints the idle CPU of one run, in % of one core.
measure() {
  printf '%swait %s\n' "$setup" $(((settle + window + 5) * 1000)) > "$dir/script"
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/kvarnel" --window --script "$dir/script" \
    >/dev/null 2>&1 &
  local runner=$! pid=""
  for _ in $(seq 100); do
    pid=$(pgrep -n -f "^$build/kvarnel --window --script $dir/script" || true)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  if [ -z "$pid" ]; then
    echo "the game did not start" >&2
    exit 1
  fi
  sleep "$settle"
  local t0 t1 w0 w1
  t0=$(ticks "$pid")
  w0=$(date +%s.%N)
  sleep "$window"
  t1=$(ticks "$pid")
  w1=$(date +%s.%N)
  kill "$pid" 2>/dev/null || true
  wait "$runner" 2>/dev/null || true
  awk -v t0="$t0" -v t1="$t1" -v w0="$w0" -v w1="$w1" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.3f\n", 100 * (t1 - t0) / hz / (w1 - w0) }'
}

results=()
for run in 1 2 3; do
  results+=("$(measure)")
done
printf '%s\n' "${results[@]}" | sort -n | awk -v screen="$screen" -v window="$window" '
  { pct[NR] = $1 }
  END {
    printf "runs (%% of one core over %s s idle): %s, %s, %s\n", window, pct[1], pct[2], pct[3];
    printf "idle on the %s screen: %.2f%% of one core (median of three)\n", screen, pct[2] }'
