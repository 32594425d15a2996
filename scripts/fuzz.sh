#!/usr/bin/env bash
# Runs one fuzz target, or all of them one after the other, with its seed
# corpus and dictionary, building the fuzz build (build-fuzz/, clang++) first
# when anything changed.
#
#   scripts/fuzz.sh TARGET [SECONDS|-runs=N]   (default 60 seconds)
#   scripts/fuzz.sh all [SECONDS|-runs=N]      every target for that long each
#   scripts/fuzz.sh list                       the target names
#
# Inputs that grow the coverage are kept in build-fuzz/corpus/TARGET/ for the
# next run; an input that crashes, leaks, hangs or runs out of memory is kept
# in build-fuzz/crashes/TARGET/ (run build-fuzz/TARGET_fuzz FILE to replay it).
# Prints, per target, the executions, libFuzzer's coverage (cov: edges, ft:
# features) and the crash files; exits 1 when any target crashed.
# FUZZ_JOBS sets the build's parallel jobs (default 2), FUZZ_BUILD_DIR the
# build folder (default build-fuzz). When the normal build has written the
# stand-in game folder (build/form1.layout), the fuzz build takes its seeds
# from there instead of drawing the content again under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(layout bitmap jpeg png gif wave cursor midi movie ini saved_game)
dir=${FUZZ_BUILD_DIR:-build-fuzz}

usage() {
  echo "usage: scripts/fuzz.sh TARGET|all|list [SECONDS|-runs=N]" >&2
  echo "targets: ${targets[*]}" >&2
  exit 2
}

[ $# -ge 1 ] || usage
if [ "$1" = list ]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi
if [ "$1" = all ]; then
  chosen=("${targets[@]}")
else
  [[ " ${targets[*]} " == *" $1 "* ]] || usage
  chosen=("$1")
fi
limit=${2:-60}
if [[ $limit == -runs=* ]]; then
  limit_args=("$limit")
elif [[ $limit =~ ^[0-9]+$ ]]; then
  limit_args=("-max_total_time=$limit")
else
  usage
fi

# The leaks the sanitizer build already accepts (system libraries), for the
# stand-in builder the fuzz build runs and for the targets.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

if [ ! -f "$dir/CMakeCache.txt" ]; then
  game_dir=()
  if [ -f build/form1.layout ]; then game_dir=("-DKVARNEL_FUZZ_GAME_DIR=$PWD/build"); fi
  cmake -S . -B "$dir" -DKVARNEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${game_dir[@]}" >/dev/null
fi
cmake --build "$dir" -j"${FUZZ_JOBS:-2}" --target fuzz_seeds "${chosen[@]/%/_fuzz}" >"$dir/build.log" 2>&1 || {
  tail -n 40 "$dir/build.log" >&2
  echo "fuzz.sh: the fuzz build failed (whole log: $dir/build.log)" >&2
  exit 1
}

# Longest input per target: enough for every structure the reader knows,
# short enough that each execution stays quick.
max_len() {
  case $1 in
    layout) echo 8192 ;;
    saved_game | ini) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

failed=0
for t in "${chosen[@]}"; do
  corpus=$dir/corpus/$t
  crashes=$dir/crashes/$t
  log=$dir/logs/$t.log
  mkdir -p "$corpus" "$crashes" "$dir/logs"
  args=("-max_len=$(max_len "$t")" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
        "-artifact_prefix=$crashes/" "${limit_args[@]}")
  for dict in "fuzz/$t.dict" "$dir/seeds/$t.dict"; do
    if [ -f "$dict" ]; then args+=("-dict=$dict"); fi
  done
  # The game logs every repair of a damaged saved game; libFuzzer's own
  # report still comes through.
  if [ "$t" = saved_game ]; then args+=(-close_fd_mask=2); fi
  before=$(find "$crashes" -type f | wc -l)
  status=0
  "$dir/${t}_fuzz" "${args[@]}" "$corpus" "$dir/seeds/$t" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1 || true)
  after=$(find "$crashes" -type f | wc -l)
  found=$((after - before))
  echo "$t: ${runs:-?} executions (${rate:-?}/s), ${cov:-cov: ? ft: ?}, crashes found: $found"
  if [ "$status" -ne 0 ] || [ "$found" -gt 0 ]; then
    failed=1
    echo "  exit status $status; log: $log; crash files in $crashes/"
    { grep -E '^==[0-9]+==ERROR|SUMMARY|runtime error|deadly signal|Test unit written|No such file' "$log" || true; } |
      head -n 8 | sed 's/^/  /'
  fi
done
exit "$failed"
