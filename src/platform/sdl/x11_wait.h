// What the desktop platform asks the X server directly, under SDL's own
// connection: whether OpenGL would reach a graphics card, and a wait for
// input that does not pump SDL's event loop.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace kvarnel::platform {

class X11Connection {
public:
    // The window's X connection, or none when SDL drives another system.
    explicit X11Connection(SDL_Window* window);

    bool present() const { return display_ != nullptr; }

    // Whether the server offers direct rendering (DRI3 or DRI2). Without
    // either, Mesa draws OpenGL on the processor, so asking OpenGL first
    // would only load its rasteriser to throw it away.
    bool offersDirectRendering() const;

    // Sleeps until input reaches the connection or `ms` pass. Returns at once
    // when Xlib already holds events that SDL has not taken yet (a reply
    // read during a present can bring them in without the socket showing it).
    void waitForInput(uint32_t ms) const;

    // Whether the server has sent anything not yet taken: Xlib's queue or
    // the socket. One poll, without reading.
    bool inputPending() const;

private:
    void* display_ = nullptr;  // Display*, kept opaque so Xlib stays out of the header
    int fd_ = -1;
};

}  // namespace kvarnel::platform
