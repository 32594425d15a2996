#!/usr/bin/env bash
# CPU that the windowed game uses while it stands idle: the real program in
# a window under Xvfb, both timers running, nothing to do. Each measurement
# is a pair of runs, one idling 10 s of game time and one not idling at all,
# so start-up, loading and getting to the screen cancel out; the median of
# three pairs is reported.
#   bench/idle_cpu.sh [BUILD_DIR] [SCREEN]
# SCREEN: "start" (the black start screen, the default), "menu" (the main
# menu after the logo and the language choice) or "market" (the market
# place, its faces moving).
set -euo pipefail
build=${1:-build}
screen=${2:-start}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

case "$screen" in
  start) setup='' ;;
  menu) setup=$'wait until shown VyberJazyk 60000\nclick Label123\nwait until shown Menu1\nmove 100 100\nwait 500\n' ;;
  market) setup=$'start-scene Natrzisti\nmove 100 100\nwait 500\n' ;;
  *) echo "unknown screen '$screen' (start, menu, market)" >&2; exit 2 ;;
esac

# Prints "cpu_seconds wall_seconds" of the game alone (not the X server).
measure() {
  printf '%s' "$setup" > "$dir/script"
  printf 'wait %s\n' "$1" >> "$dir/script"
  xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/time -f '%U %S %e' -o "$dir/time" \
    "$build/kvarnel" --window --script "$dir/script" >/dev/null 2>&1
  awk '{ printf "%f %f\n", $1 + $2, $3 }' "$dir/time"
}

results=()
for run in 1 2 3; do
  read -r cpu0 wall0 < <(measure 0)
  read -r cpu10 wall10 < <(measure 10000)
  results+=("$(awk -v c0="$cpu0" -v w0="$wall0" -v c1="$cpu10" -v w1="$wall10" \
    'BEGIN { printf "%.3f %.2f %.2f", 100 * (c1 - c0) / (w1 - w0), c0, w0 }')")
done
printf '%s\n' "${results[@]}" | sort -n | awk -v screen="$screen" '
  { pct[NR] = $1; c0[NR] = $2; w0[NR] = $3 }
  END {
    printf "runs (%% of one core while idle): %s, %s, %s\n", pct[1], pct[2], pct[3];
    printf "reaching the %s screen and shutting down: %.2f s CPU in %.2f s (median run)\n", screen, c0[2], w0[2];
    printf "idle on the %s screen: %.2f%% of one core (median of three)\n", screen, pct[2] }'
