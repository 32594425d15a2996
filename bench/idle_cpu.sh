#!/usr/bin/env bash
# CPU that the windowed game uses while it stands idle: the real program in
# a window under Xvfb, both timers running, nothing to do. Two runs, one of
# 10 s of game time and one of none, so start-up and loading cancel out.
#   bench/idle_cpu.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# Prints "cpu_seconds wall_seconds" of the game alone (not the X server).
measure() {
  printf 'wait %s\n' "$1" > "$dir/script"
  xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/time -f '%U %S %e' -o "$dir/time" \
    "$build/kvarnel" --window --script "$dir/script" >/dev/null 2>&1
  awk '{ printf "%f %f\n", $1 + $2, $3 }' "$dir/time"
}

read -r cpu0 wall0 < <(measure 0)
read -r cpu10 wall10 < <(measure 10000)
awk -v c0="$cpu0" -v w0="$wall0" -v c1="$cpu10" -v w1="$wall10" 'BEGIN {
  printf "start-up and shutdown: %.2f s CPU in %.2f s\n", c0, w0;
  printf "10 s idle in a window: %.2f s CPU more = %.2f%% of one core\n", c1 - c0, 100 * (c1 - c0) / (w1 - w0) }'
