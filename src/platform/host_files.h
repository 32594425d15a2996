// File operations on the host's file system, shared by both platforms.
// Paths are already native here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "layout/bytes.h"

namespace kvarnel::platform::host {

// Rename that never replaces: fails when `from` is missing or `to` exists.
bool renameNoReplace(const std::string& from, const std::string& to);
bool exists(const std::string& path);
std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path);
// The whole file mapped into memory read-only (read instead when it cannot
// be mapped); nullopt when it is missing or unreadable.
std::optional<layout::Bytes> mapWholeFile(const std::string& path);
// Writes a temporary file beside `path`, flushes it to the disk and renames
// it over `path`, so a crash leaves either the old or the new file.
bool writeAtomically(const std::string& path, std::span<const uint8_t> bytes);
// Folder of the running executable, with a trailing '/'.
std::string executableFolder();

}  // namespace kvarnel::platform::host
