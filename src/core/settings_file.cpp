#include "core/settings_file.h"

#include "platform/log.h"

namespace kvarnel::core {

SettingsFile::SettingsFile(platform::Platform& platform, std::string path)
    : platform_(platform), path_(std::move(path)) {
    if (!platform_.fileExists(path_)) return;
    const auto bytes = platform_.readFile(path_);
    if (!bytes) {
        writable_ = false;
        logOnce("settings-unreadable:" + path_,
                path_ + " exists but cannot be read; using default settings and leaving the file untouched");
        return;
    }
    doc_ = IniDocument::parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool SettingsFile::writeBool(std::string_view section, std::string_view key, bool value) {
    doc_.writeBool(section, key, value);
    return flush();
}

bool SettingsFile::writeInt(std::string_view section, std::string_view key, int32_t value) {
    doc_.writeInt(section, key, value);
    return flush();
}

bool SettingsFile::flush() {
    if (!writable_) return false;
    const std::string text = doc_.text();
    const bool ok = platform_.writeFileAtomically(
        path_, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (!ok) logOnce("settings-write:" + path_, "cannot write " + path_ + "; settings are not saved");
    return ok;
}

}  // namespace kvarnel::core
