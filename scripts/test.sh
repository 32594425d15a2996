#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the test suite.
# KVARNEL_SANITIZE=1 builds and runs it under AddressSanitizer and
# UndefinedBehaviorSanitizer instead, in its own build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
if [ "${KVARNEL_SANITIZE:-0}" = "1" ]; then
  dir=build-asan
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DKVARNEL_SANITIZE=ON >/dev/null
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
else
  dir=build
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The tests need no display and no sound card.
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
cmake --build "$dir" -j"$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" --timeout 300
