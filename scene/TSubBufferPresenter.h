#pragma once

#include "scene/TScreenRect.h"

// Presents a rectangle of the back buffer without swapping, where the GL
// driver can (GLX_MESA_copy_sub_buffer): the back buffer then keeps the whole
// last frame, and the next one needs to draw only what changed.
class TSubBufferPresenter {
public:
    // Looks the extension up for the current context and drawable (X11 only);
    // false where it is missing.
    bool resolve();
    bool available() const { return copy_ != nullptr; }
    // Copies r of the current drawable's back buffer to the front.
    void present(const TScreenRect& r) const;
    // Forgets the context's entry point.
    void reset() { copy_ = nullptr; }

private:
    using CopySubBuffer = void (*)(void* display, unsigned long drawable, int x, int y, int w, int h);
    CopySubBuffer copy_ = nullptr;
};
