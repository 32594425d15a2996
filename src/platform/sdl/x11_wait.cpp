#include "platform/sdl/x11_wait.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

namespace kvarnel::platform {

X11Connection::X11Connection(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
    if (info.info.x11.display == nullptr) return;
    display_ = info.info.x11.display;
    fd_ = ConnectionNumber(info.info.x11.display);
}

bool X11Connection::offersDirectRendering() const {
    if (!display_) return true;  // not ours to judge: let OpenGL be tried
    auto* display = static_cast<Display*>(display_);
    int opcode = 0, event = 0, error = 0;
    return XQueryExtension(display, "DRI3", &opcode, &event, &error) ||
           XQueryExtension(display, "DRI2", &opcode, &event, &error);
}

void X11Connection::waitForInput(uint32_t ms) const {
    auto* display = static_cast<Display*>(display_);
    // What we drew must reach the server before we sleep.
    XFlush(display);
    if (XEventsQueued(display, QueuedAlready) > 0) return;
    pollfd p{fd_, POLLIN, 0};
    poll(&p, 1, static_cast<int>(ms));
}

bool X11Connection::inputPending() const {
    auto* display = static_cast<Display*>(display_);
    if (XEventsQueued(display, QueuedAlready) > 0) return true;
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, 0) > 0;
}

}  // namespace kvarnel::platform
