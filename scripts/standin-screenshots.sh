#!/usr/bin/env bash
# Builds the game with its stand-in content and writes a screenshot of every
# location, of the inventory bar open and of every interlude into OUT_FOLDER
# (default build/screenshots). The images are for looking at; they are not
# kept in the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
out=${1:-build/screenshots}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target standin_content standin_preview
./build/tools/standin_preview build "$out"
