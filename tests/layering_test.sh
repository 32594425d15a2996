#!/usr/bin/env bash
# The rooms of src/ depend on each other one way only: every project include
# of a file in room R must name a room R may use. A rule that needs the host,
# or a room that reaches up past its neighbours, fails here by file and line.
#   layering_test.sh SOURCE_DIR
set -u
src=$1/src

# room: the rooms its files may include (besides its own).
declare -A allowed=(
  # The platform's movie decoder and desktop cursors use the layout's plain
  # image type and its cursor-file reader; nothing above the layout.
  [platform]="layout"
  [layout]="platform"
  [core]="platform layout"
  [scenes]="platform layout core"
  # The tick reaches a screen through that screen's entry points, and a
  # screen may start the story's movies: the two rooms stand side by side.
  [story]="platform layout core scenes screens"
  [screens]="platform layout core scenes story"
  [app]="platform layout core scenes story screens"
)

failures=0
for room in "${!allowed[@]}"; do
  [ -d "$src/$room" ] || continue
  while IFS=: read -r file line include; do
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$include")
    [ "$target" = "$room" ] && continue
    if [[ " ${allowed[$room]} " != *" $target "* ]]; then
      echo "FAILED: ${file#"$1"/}:$line: $room/ may not include $target/: $include"
      failures=$((failures + 1))
    fi
  done < <(grep -rnE '^#include "[a-z_]+/' "$src/$room")
done

# No rule of play sees the host.
while IFS= read -r hit; do
  echo "FAILED: ${hit#"$1"/}: only the host may include the host's header"
  failures=$((failures + 1))
done < <(grep -rn '#include "app/game.h"' "$src/core" "$src/scenes" "$src/story" "$src/screens")

# Every folder under src/ is a room this test knows.
for dir in "$src"/*/; do
  room=$(basename "$dir")
  if [ -z "${allowed[$room]+set}" ]; then
    echo "FAILED: src/$room/ is not a known room; add it to layering_test.sh"
    failures=$((failures + 1))
  fi
done

if [ "$failures" -eq 0 ]; then echo "ok: every include runs downwards"; fi
exit $((failures > 0))
