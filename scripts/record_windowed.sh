#!/usr/bin/env bash
# Records a windowed session under Xvfb, played with real X input, and
# checks that the recording replays headless to the state the session ended
# in, and that recording that replay writes the same file again.
#
#   scripts/record_windowed.sh [BUILD_DIR]
#
# The input is sent with the X server's XTEST extension through libXtst
# (python3 and ctypes, nothing to build). Where the pointer goes comes from a
# headless recording of a short script, which names its clicks by their
# points; the session then plays that script's moves in real time, and
# stays in the village long enough for the music to end and start over
# and for the detective to remark on the time of day. Exits 0
# when both checks hold, 1 when one fails, 77 when the machine cannot run it
# (no Xvfb, no libXtst, no python3).
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
kvarnel=$build/kvarnel

for tool in xvfb-run python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
python3 -c 'import ctypes.util, sys; sys.exit(0 if ctypes.util.find_library("Xtst") else 1)' ||
  { echo "skipped: libXtst is missing"; exit 77; }

work=$(mktemp -d)
# KEEP=DIR keeps what the check made there, to look at.
trap 'if [ -n "${KEEP:-}" ]; then rm -rf "$KEEP"; cp -r "$work" "$KEEP"; fi; rm -rf "$work"' EXIT
fresh_game() {  # fresh_game DIR: a copy of the stand-in game folder
  mkdir -p "$1"
  cp -r "$build/form1.layout" "$build/fonts.conf" "$build/Cursors" "$build/Animations" "$build"/mmid*.mid "$1/"
}

# 1. Where to click: the script's components as points, with the time between.
cat > "$work/plan.script" <<'SCRIPT'
wait until shown VyberJazyk 30000
wait 300
click Label124
wait 800
click 506 274
wait 800
key Escape
wait 1500
# Back to the game, should the Escape have come after the intro and opened
# the menu; otherwise the way out of the market place.
click 506 274
wait 3000
move 300 400
wait 200
move 420 410
click 480 420
wait 600
rclick 480 420
wait 40000
SCRIPT
fresh_game "$work/probe"
"$kvarnel" --headless --game-dir "$work/probe" --script "$work/plan.script" --record "$work/plan.rec" >/dev/null ||
  { echo "FAILED: the plan does not play headless"; exit 1; }

# 2. The session in a window, played by the X server's fake input.
cat > "$work/play.py" <<'PY'
import ctypes, ctypes.util, sys, time
x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XStringToKeysym.restype = ctypes.c_ulong
display = ctypes.c_void_p(x11.XOpenDisplay(None))
if not display:
    sys.exit("no X display")

def flush():
    x11.XFlush(display)

def move(x, y):
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    flush()

def button(number, down):
    xtst.XTestFakeButtonEvent(display, number, down, 0)
    flush()

def key(name, down):
    code = x11.XKeysymToKeycode(display, x11.XStringToKeysym(name.encode()))
    xtst.XTestFakeKeyEvent(display, code, down, 0)
    flush()

# The game's clock runs with the real one; a little slack lets each screen
# come up before the input meant for it.
slack = 0.25
for line in open(sys.argv[1]):
    words = line.split()
    if not words or words[0].startswith("#"):
        continue
    if words[0] == "wait":
        time.sleep(int(words[1]) / 1000 + slack)
    elif words[0] in ("move", "click", "rclick"):
        move(int(words[1]), int(words[2]))
        if words[0] != "move":
            time.sleep(0.05)
            number = 1 if words[0] == "click" else 3
            button(number, True)
            time.sleep(0.08)
            button(number, False)
        time.sleep(0.05)
    elif words[0] == "key":
        key(words[1], True)
        time.sleep(0.08)
        key(words[1], False)
time.sleep(0.5)
PY
fresh_game "$work/window"
cat > "$work/session.sh" <<SESSION
"$kvarnel" --window --game-dir "$work/window" --record "$work/session.rec" 2>"$work/game.err" &
game=\$!
sleep 2
python3 "$work/play.py" "$work/plan.rec" || echo "the input could not be sent" >&2
kill -TERM \$game   # the window's close, as SDL hears it
wait \$game
SESSION
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh" ||
  { echo "FAILED: the windowed session did not run"; cat "$work/game.err"; exit 1; }
[ -s "$work/session.rec.dump" ] || { echo "FAILED: the session wrote no final state"; cat "$work/game.err"; exit 1; }

failures=0
check() {  # check DESCRIPTION CONDITION...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
check "the session got past the intro" grep -q '^  IntroFinished = 1$' "$work/session.rec.dump"
check "the recording holds the player's clicks" grep -q '^hold MouseLeft$' "$work/session.rec"
check "the recording holds the player's keys" grep -q '^hold Escape$' "$work/session.rec"
check "the idle remarks' readings of the clock are in it" grep -q '^clock local ' "$work/session.rec"

# 3. The replay, headless, in a fresh copy of the game folder.
fresh_game "$work/replay"
"$kvarnel" --headless --game-dir "$work/replay" --script "$work/session.rec" --record "$work/replay.rec" \
  >"$work/replay.out"
check "the replay passes" test $? -eq 0
check "the replay ends in the session's state" diff "$work/session.rec.dump" "$work/replay.out"
check "recording the replay writes the same file" cmp "$work/session.rec" "$work/replay.rec"
echo "the session: $(grep -c . "$work/session.rec") lines, $(grep -c '^move' "$work/session.rec") moves," \
  "$(grep -c '^wait' "$work/session.rec") waits, ended at $(sed -n 's/^--- state at \(.*\) ms$/\1/p' "$work/session.rec.dump") ms"
exit $((failures > 0))
