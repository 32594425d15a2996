#!/usr/bin/env bash
# Plays one script on the headless game in a fresh copy of the stand-in game
# folder, so that no run leaves anything behind for the next.
#   run_script.sh KVARNEL_BINARY BUILD_DIR SCRIPT
set -eu
kvarnel=$1 build=$2 script=$3
game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r "$build/form1.layout" "$build/fonts.conf" "$build/Cursors" "$build/Animations" "$build"/mmid*.mid "$game/"
cd "$game"
"$kvarnel" --headless --game-dir "$game" --script "$script"
