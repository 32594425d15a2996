#!/usr/bin/env bash
# --record on the command line: a scripted run recorded, its recording
# replayed to the same state and recorded again to the same file; the
# screen a recording names; a recording that cannot be written; the help.
#   record_test.sh KVARNEL_BINARY BUILD_DIR SOURCE_DIR
set -u
kvarnel=$1 build=$2 source=$3
failures=0
check() {  # check DESCRIPTION CONDITION...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fresh_game() {  # fresh_game DIR: a copy of the stand-in game folder
  mkdir -p "$1"
  cp -r "$build/form1.layout" "$build/fonts.conf" "$build/Cursors" "$build/Animations" "$build"/mmid*.mid "$1/"
}

# The table game script, recorded, by a player who had turned the music off;
# each run in a fresh game folder.
fresh_game "$work/a"
printf '[Other]\r\nData76=0\r\nData77=1\r\nFiles13=470\r\nData93=0\r\n' >"$work/a/data.dat"
"$kvarnel" --headless --game-dir "$work/a" --script "$source/tests/scripts/table_game_english.script" \
  --record "$work/table.rec" >/dev/null
check "the recorded script passes" test $? -eq 0
check "the recording ends in a dump" test "$(tail -n 1 "$work/table.rec")" = dump
check "the clicks are recorded by their points" grep -Eq '^click [0-9]+ [0-9]+$' "$work/table.rec"
check "the final state was written" grep -q '^--- state at ' "$work/table.rec.dump"
check "the player's data.dat travels with it" grep -qx 'data-file "Data76=0"' "$work/table.rec"
fresh_game "$work/b"
"$kvarnel" --headless --game-dir "$work/b" --script "$work/table.rec" --record "$work/again.rec" >"$work/replay.out"
check "the replay passes" test $? -eq 0
check "the replay prints the recorded state" diff "$work/table.rec.dump" "$work/replay.out"
check "recording the replay writes the same file" cmp "$work/table.rec" "$work/again.rec"
check "the replay started from the player's data.dat" grep -q '^Data76=0' "$work/b/data.dat"

# A recording names the screen it was made on, and its replay takes it.
printf 'screen 1280x720\nwait until shown VyberJazyk 30000\nclick Label124\nwait 200\n' >"$work/wide.script"
fresh_game "$work/c"
"$kvarnel" --headless --game-dir "$work/c" --script "$work/wide.script" --record "$work/wide.rec" >/dev/null
check "a wide screen is recorded as such" grep -q '^screen 1280x720$' "$work/wide.rec"
fresh_game "$work/e"
"$kvarnel" --headless --game-dir "$work/e" --script "$work/wide.rec" >"$work/wide.out"
check "its replay plays there (the language is clicked)" diff "$work/wide.rec.dump" "$work/wide.out"
check "which is English" grep -q '^  Language = 2$' "$work/wide.out"

# A recording that cannot be written: said once, and the game plays on.
fresh_game "$work/d"
err=$("$kvarnel" --headless --game-dir "$work/d" --script "$work/wide.script" --record "$work/no/such/folder.rec" \
  2>&1 >/dev/null)
check "an unwritable recording leaves the script passing" test $? -eq 0
check "it is reported once, with the file" test "$(grep -c "cannot open the recording $work/no/such/folder.rec" <<<"$err")" -eq 1

"$kvarnel" --headless --record "$work/x.rec" >/dev/null 2>"$work/err"
check "a headless recording without a script is refused" test $? -eq 2
check "with the reason" grep -q 'needs --script' "$work/err"
"$kvarnel" --help 2>"$work/help"
check "the help lists --record" grep -q -- '--record FILE' "$work/help"

exit $((failures > 0))
