// "data.dat": the settings and the saved game, one INI file in the game
// folder, read and written through the platform.
//
// Every write goes to the disk at once, as the original's profile functions
// did, but as a whole new file renamed over the old one: a crash in the
// middle of a write leaves the previous file, never a torn or empty one.
//
// A file that exists but cannot be read is never overwritten: writing it
// would destroy the saved game it may hold. Writes are then refused and the
// problem is logged once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ini_document.h"
#include "platform/platform.h"

namespace kvarnel::core {

// The file in the game folder, and its one section.
inline constexpr std::string_view kDataFileName = "data.dat";
inline constexpr std::string_view kDataSection = "Other";

class SettingsFile {
public:
    // Reads the file at `path` (a game path) if it exists.
    SettingsFile(platform::Platform& platform, std::string path);

    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const {
        return doc_.readBool(section, key, defaultValue);
    }
    int32_t readInt(std::string_view section, std::string_view key, int32_t defaultValue) const {
        return doc_.readInt(section, key, defaultValue);
    }
    // Each returns whether the file on disk now holds the new value.
    bool writeBool(std::string_view section, std::string_view key, bool value);
    bool writeInt(std::string_view section, std::string_view key, int32_t value);

    // Many keys as one write: set them, then commit() puts the whole file on
    // the disk at once. A failed commit leaves the file as it was, every
    // key old, never some new and some old.
    void setBool(std::string_view section, std::string_view key, bool value) { doc_.writeBool(section, key, value); }
    void setInt(std::string_view section, std::string_view key, int32_t value) { doc_.writeInt(section, key, value); }
    bool commit() { return flush(); }

    const std::string& path() const { return path_; }
    const IniDocument& document() const { return doc_; }

private:
    bool flush();

    platform::Platform& platform_;
    std::string path_;
    IniDocument doc_;
    bool writable_ = true;
};

}  // namespace kvarnel::core
