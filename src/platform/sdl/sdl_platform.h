// The desktop platform on SDL2: one window, the mouse and keyboard, the
// pointer from Windows cursor files, sound and music, the real clock.
//
// The screen the game sees is the window's picture: the desktop's size for
// the borderless window that covers the desktop, or 1024 x 768 with
// --window. Alt+Enter switches between the two looks without changing that
// size: the picture is scaled to whatever the window is. A display-mode
// change is never made for real: a smaller screen is simply shown scaled.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace kvarnel::platform {

struct SdlOptions {
    bool windowed = false;          // 1024 x 768 window instead of the whole desktop
    std::string fontsConfPath;      // the font aliases (absolute path)
};

// Null, with `error` set, when no window can be opened.
std::unique_ptr<Platform> makeSdlPlatform(const SdlOptions& options, std::string& error);

}  // namespace kvarnel::platform
