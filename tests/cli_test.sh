#!/usr/bin/env bash
# The command line as a user meets it: dumping layouts, a malformed one, and
# a headless run in a copy of the stand-in game folder.
#   cli_test.sh KVARNEL_BINARY BUILD_DIR SOURCE_DIR
set -u
kvarnel=$1 build=$2 source=$3
failures=0
check() {  # check DESCRIPTION CONDITION...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

out=$("$kvarnel" --dump-layout "$build/form1.layout"); rc=$?
check "dump of the stand-in layout exits 0" test $rc -eq 0
check "dump shows the window" grep -q '^TForm1 Form1: Left=196' <<<"$out"
check "dump shows a panel's picture with its size" grep -q '^    TImage PozadiNatrzisti: .*Picture.Data=<TJPEGImage 1027x629>' <<<"$out"
check "dump shows a GIF with its frame count" grep -q 'TRxGIFAnimator Inventar: .*Image.Data=<GIF 1024x123, 9 frames>' <<<"$out"
check "dump shows waves with format and length" grep -q -- '- Items\[0\]: Name="Inventar" .*Wave.WAVE=<WAVE PCM 2ch 16bit 44100Hz, 3560 ms>' <<<"$out"
check "dump keeps Czech captions" grep -q 'Caption="Zrušit"' <<<"$out"

err=$("$kvarnel" --dump-layout "$source/tests/data/truncated.layout" 2>&1 >/dev/null); rc=$?
check "a malformed layout exits non-zero" test $rc -ne 0
check "its error names the file, offset and property" grep -q "truncated.layout: offset 20, object 'Form1', property 'L': truncated Int16" <<<"$err"

"$kvarnel" --dump-layout "$source/tests/data/no-such-file" >/dev/null 2>&1; rc=$?
check "a missing layout exits non-zero" test $rc -ne 0

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r "$build/form1.layout" "$build/Cursors" "$build/Animations" "$build"/mmid*.mid "$game/"
out=$("$kvarnel" --headless --game-dir "$game" --screen 1280x720 2>&1); rc=$?
check "a headless run exits 0" test $rc -eq 0
check "it reports the play area" grep -q 'Play area at 128,-24' <<<"$out"
check "it wrote data.dat with the four settings" diff <(printf '[Other]\r\nData76=1\r\nData77=1\r\nFiles13=470\r\nData93=0\r\n') "$game/data.dat"
check "the asset files are disguised again" test -f "$game/Cursors/Data2.quillmoth" -a ! -e "$game/Cursors/Kurzor.cur"

# Exit on the main menu closes the game as the window's close does: the
# speed set on the options page is written.
cat > "$game/exit.script" <<'SCRIPT'
wait until shown VyberJazyk 30000
click Label123
click 502 454
move 487 292
hold MouseLeft
move 530 292
wait 50
release MouseLeft
click 645 594
click 502 574
SCRIPT
"$kvarnel" --headless --game-dir "$game" --script "$game/exit.script" >/dev/null 2>&1; rc=$?
check "a script that ends with Exit on the menu passes" test $rc -eq 0
check "Exit wrote data.dat with the new speed" diff <(printf '[Other]\r\nData76=1\r\nData77=1\r\nFiles13=515\r\nData93=0\r\n') "$game/data.dat"
check "Exit disguised the asset files again" test -f "$game/Cursors/Data2.quillmoth" -a ! -e "$game/Cursors/Kurzor.cur"
rm -f "$game/exit.script"

KVARNEL_GAME_DIR="$game" "$kvarnel" --headless >/dev/null 2>&1; rc=$?
check "the game folder can come from KVARNEL_GAME_DIR" test $rc -eq 0
"$kvarnel" --headless --game-dir "$game/nothing-here" >/dev/null 2>&1; rc=$?
check "a folder without a layout exits non-zero" test $rc -ne 0
"$kvarnel" --bogus >/dev/null 2>&1; rc=$?
check "an unknown option is a usage error" test $rc -eq 2

# The monkey: its usage errors, and a short run that leaves the game
# folder as it was (it plays in a copy) and writes its moves.
for args in "--headless --monkey 10" "--headless --monkey ten --seed 1" "--monkey 10 --seed 1" \
            "--headless --monkey 10 --seed 1 --script x.script"; do
  # shellcheck disable=SC2086
  "$kvarnel" $args >/dev/null 2>&1; rc=$?
  check "the monkey's usage error: $args" test $rc -eq 2
done
check "--help lists the monkey's options" grep -q -- '--monkey EVENTS' <<<"$("$kvarnel" --help 2>&1)"
before=$(md5sum "$game/data.dat")
out=$("$kvarnel" --headless --game-dir "$game" --monkey 300 --seed 3 --monkey-script "$game/m.script" 2>/dev/null); rc=$?
check "a short monkey run exits 0" test $rc -eq 0
check "it says every event was played" grep -q 'seed 3: 300 events played, no invariant broken' <<<"$out"
check "it wrote its moves as a recording" grep -q '^# A session recorded' "$game/m.script"
check "the game folder's data.dat is untouched" test "$before" = "$(md5sum "$game/data.dat")"

# Movies come from a module beside the executable; a copy of the game
# without it still plays: each movie cannot play, which is logged once a movie, and
# the story goes on to the market place as after an intro that ended.
lone=$(mktemp -d)
cp "$kvarnel" "$lone/kvarnel"
cat > "$game/lone.script" <<'SCRIPT'
wait until shown VyberJazyk 30000
click Label124
click 506 274
wait until shown Natrzisti 120000
expect var IntroFinished = 1 and not playing ShockwaveFlash2
SCRIPT
err=$("$lone/kvarnel" --headless --game-dir "$game" --script "$game/lone.script" 2>&1 >/dev/null); rc=$?
check "without the movie module the game plays on" test $rc -eq 0
check "the missing module is logged once for the intro" \
  test "$(grep -c 'Intro.swf: cannot load the movie module' <<<"$err")" -eq 1
rm -rf "$lone" "$game/lone.script"

echo "$((29 - failures)) passed, $failures failed"
test $failures -eq 0
