#!/usr/bin/env bash
# CPU that the windowed game uses while it stands idle: the real program in
# a window under Xvfb, 10 s of game time, both timers running, nothing to do.
#   bench/idle_cpu.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
script=$(mktemp)
trap 'rm -f "$script"' EXIT
printf 'wait 10000\n' > "$script"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
start=$(date +%s.%N)
# Only the game is timed (not the X server), start-up and loading included.
xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/time -f '%U %S' -o /tmp/kvarnel-idle-cpu.txt \
  "$build/kvarnel" --window --script "$script" >/dev/null 2>&1
end=$(date +%s.%N)
read -r user sys < /tmp/kvarnel-idle-cpu.txt
awk -v u="$user" -v s="$sys" -v a="$start" -v b="$end" 'BEGIN {
  wall = b - a; cpu = u + s;
  printf "idle window, 10 s of game time: wall %.2f s, CPU %.2f s (user %.2f, system %.2f) = %.1f%% of one core\n", wall, cpu, u, s, 100 * cpu / wall }'
