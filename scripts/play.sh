#!/usr/bin/env bash
# Installs what is missing, builds the game with its stand-in content and
# starts it. Extra arguments go to the game (e.g. --screen 1280x720).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kvarnel standin_content
exec ./build/kvarnel "$@"
