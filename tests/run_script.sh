#!/usr/bin/env bash
# Plays scripts on the headless game in a fresh copy of the stand-in game
# folder, so that no run leaves anything behind for the next. Several scripts
# play one after another, each in a process of its own, in the same folder:
# what one leaves in "data.dat" (a saved game, say) the next one finds.
#   run_script.sh KVARNEL_BINARY BUILD_DIR SCRIPT [SCRIPT...]
set -eu
kvarnel=$1 build=$2
shift 2
game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r "$build/form1.layout" "$build/fonts.conf" "$build/Cursors" "$build/Animations" "$build"/mmid*.mid "$game/"
cd "$game"
for script in "$@"; do
  "$kvarnel" --headless --game-dir "$game" --script "$script"
done
