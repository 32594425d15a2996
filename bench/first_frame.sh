#!/usr/bin/env bash
# Start to first presented frame: the windowed game (`kvarnel --window
# --first-frame`, the stand-in content) beside a bare SDL2 program that opens
# the same window, uploads one picture and presents it (bench/bare_window).
# Both print the wall clock at their first present; the time is counted from
# just before the process is started. The bare program draws with the
# renderer the game ended up with (SDL's software one when the display has
# no direct rendering), and with SDL's default choice as well, for scale.
# The runs alternate, on one virtual display; the ratio judged is the
# game's median over the bare program's (same renderer).
#   bench/first_frame.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-9}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<'INNER'
set -euo pipefail
build=$1 runs=$2
# Milliseconds from the start of the command to its "first frame at NS".
since() {
  local t0 out
  t0=$(date +%s%N)
  out=$("$@" 2>/dev/null | awk '/^first frame at /{ print $4 }')
  [ -n "$out" ] || { echo "no first frame from $*" >&2; exit 1; }
  echo $(( (out - t0) / 1000 ))
}
software=""
if "$build/kvarnel" --window --first-frame 2>&1 >/dev/null | grep -q "software renderer"; then
  software="SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0"
fi
for _ in $(seq "$runs"); do
  echo "game $(since "$build/kvarnel" --window --first-frame)"
  echo "bare $(since env $software "$build/bare_window")"
  echo "default $(since "$build/bare_window")"
done
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash "$inner" "$build" "$runs" | awk '
  { v[$1, ++n[$1]] = $2 / 1000 }
  function median(k,   i, j, t, c, a) {
    c = n[k]; for (i = 1; i <= c; i++) a[i] = v[k, i]
    for (i = 1; i <= c; i++) for (j = i + 1; j <= c; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    lo[k] = a[1]; hi[k] = a[c]
    return c % 2 ? a[(c + 1) / 2] : (a[c / 2] + a[c / 2 + 1]) / 2
  }
  END {
    g = median("game"); b = median("bare"); d = median("default")
    printf "game:                         median %.1f ms (%.1f to %.1f) over %d runs\n", g, lo["game"], hi["game"], n["game"]
    printf "bare window, same renderer:   median %.1f ms (%.1f to %.1f)\n", b, lo["bare"], hi["bare"]
    printf "bare window, SDL default:     median %.1f ms (%.1f to %.1f)\n", d, lo["default"], hi["default"]
    printf "first frame, game / bare window (same renderer): %.2fx\n", g / b
  }'
