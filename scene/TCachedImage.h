#pragma once

#include "scene/TScreenRect.h"

#include <memory>

// The still part of the picture, colour and depth, in textures of an offscreen
// framebuffer, and the way back into the window's buffer.
//
// The way back is a quad whose fragments take the colour and the depth from the
// textures. Copying with glBlitFramebuffer would be simpler, but between a
// framebuffer object and the window's buffer the copy turns the picture upside
// down, and llvmpipe compiles its blitter for that on the first copy of every run
// (40-190 ms, never taken from the shader cache): the first hover after start
// would stall. The quad's fragment program is an ordinary one, which the cache keeps.
class TCachedImage {
public:
    TCachedImage();
    ~TCachedImage();
    TCachedImage(const TCachedImage&) = delete;
    TCachedImage& operator=(const TCachedImage&) = delete;

    // An image of w x h device pixels, made or remade as needed; false when the
    // context cannot keep one (framebuffer objects, depth textures and fragment
    // programs), and then nothing is held.
    bool Ensure(int w, int h);
    unsigned Framebuffer() const { return framebuffer_; }

    // Copies the rectangle of the image, colour and depth, to the same place of
    // framebuffer target (w x h) and leaves target bound. The matrices, the
    // scissor and the depth test are left for the next drawing to set again.
    void Restore(const TScreenRect& r, unsigned target, int w, int h);

    // Frees the GL objects (their context current), or with contextAlive false
    // only forgets them: they went with the context.
    void Release(bool contextAlive);

private:
    struct ProgramCalls;

    bool MakeProgram();
    bool MakeFramebuffer(int w, int h);
    void DeleteFramebuffer();
    void DrawQuad(const TScreenRect& r, int w, int h) const;

    unsigned framebuffer_ = 0;
    unsigned colour_ = 0;
    unsigned depth_ = 0;
    unsigned program_ = 0;
    // Looked up once with the program, not at every restore.
    std::unique_ptr<ProgramCalls> calls_;
    bool programFailed_ = false;
    int w_ = 0, h_ = 0;
};
