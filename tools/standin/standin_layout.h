// The stand-in game content: a layout stream in the original's format and
// the asset files beside it, made by code so the game runs out of the box.
#pragma once

#include <filesystem>
#include <string>

#include "layout/stream.h"

namespace kvarnel::standin {

// The whole window: every panel, window-level control, story flag, media
// player, sound object and timer that the game resolves by name.
layout::ObjectRecord makeLayout();

// Writes the layout stream and the asset files (under their names on disk
// between runs) into `folder`. Deterministic: the same program writes the
// same bytes.
void writeGameFolder(const std::filesystem::path& folder);

}  // namespace kvarnel::standin
