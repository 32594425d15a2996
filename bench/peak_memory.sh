#!/usr/bin/env bash
# Peak resident memory of the real program on the stand-in content, three
# runs of each case, median and spread (the kernel's high-water mark of the
# game process, from GNU time):
#   headless start-up and shutdown   kvarnel --headless            (goal <= 100 MB)
#   windowed, one location shown     the market place for 5 s      (goal <= 150 MB)
#   headless tour, windowed tour     bench/tour.script: the language screen,
#                                    the menu, the two-player game, every
#                                    location, the menu over one, the table
#                                    game and the cave (about a minute windowed)
#   bench/peak_memory.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
command -v /usr/bin/time >/dev/null || { echo "needs GNU time (scripts/install-deps.sh)" >&2; exit 1; }

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r "$build/form1.layout" "$build/fonts.conf" "$build/Cursors" "$build/Animations" "$build"/mmid*.mid "$game/"
printf 'start-scene Natrzisti\nmove 100 100\nwait 5000\n' > "$game/market.script"

# Peak RSS in kB of one run of the game with the given arguments.
peak() {
  local out="$game/time.out" status=0
  rm -f "$game/data.dat"
  local how=$1
  shift
  if [ "$how" = window ]; then
    xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/time -o "$out" -f '%M' \
      "$build/kvarnel" --window --game-dir "$game" "$@" >/dev/null 2>&1 || status=$?
  else
    /usr/bin/time -o "$out" -f '%M' "$build/kvarnel" --headless --game-dir "$game" "$@" >/dev/null 2>&1 || status=$?
  fi
  [ "$status" -eq 0 ] || { echo "the game failed ($status): $*" >&2; exit 1; }
  tail -1 "$out"
}

report() {
  local name=$1 goal=$2
  shift 2
  local values=()
  for _ in $(seq "$runs"); do values+=("$(peak "$@")"); done
  printf '%s\n' "${values[@]}" | sort -n | awk -v name="$name" -v goal="$goal" '
    { v[NR] = $1 / 1024 }
    END {
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%-34s median %6.1f MB (%.1f to %.1f)", name, m, v[1], v[NR]
      if (goal > 0) printf ", %.2f of the %d MB goal", m / goal, goal
      printf "\n"
    }'
}

report "headless start-up and shutdown" 100 headless
report "headless tour" 0 headless --script "$here/tour.script"
report "windowed, the market place shown" 150 window --script "$game/market.script"
report "windowed tour" 0 window --script "$here/tour.script"
