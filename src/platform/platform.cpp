#include "platform/platform.h"

#include <array>

namespace kvarnel::platform {
namespace {
constexpr std::array<const char*, static_cast<size_t>(Key::Count)> kKeyNames = {
    "Escape", "Left", "Right", "Up", "Down", "Space", "A", "S"};
}

const char* keyName(Key key) { return kKeyNames[static_cast<size_t>(key)]; }

std::optional<Key> keyFromName(std::string_view name) {
    for (size_t i = 0; i < kKeyNames.size(); ++i) {
        if (name == kKeyNames[i]) return static_cast<Key>(i);
    }
    return std::nullopt;
}

std::string nativePath(std::string_view gamePath) {
    std::string out(gamePath);
    for (char& c : out) {
        if (c == '\\') c = '/';
    }
    return out;
}

}  // namespace kvarnel::platform
