#pragma once

#include "scene/Color4.h"
#include "scene/Mat4.h"
#include "scene/TScreenRect.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

// The bookkeeping of the image cache and of partial frames, apart from any GL:
// which solids the kept image holds, where it must be drawn again, which
// solids go into it, and what part of the view a frame draws and presents.
// Everything is in the framebuffer's own (device) pixels.
class TFrameDamage {
public:
    // An object must stand still this many frames before it goes into the image.
    static constexpr std::uint64_t kQuietFrames = 2;
    // Changed solids in the image beyond this many make a new image cheaper than mending the old one.
    static constexpr int kMaxEvicted = 48;
    // A new image pays only with this many still solids, and half the scene.
    static constexpr int kMinQuietSolids = 8;

    // A visible solid: who it is and the epoch of its last change.
    struct Solid {
        const void* id = nullptr;
        std::uint64_t epoch = 0;
    };
    // What a frame shows, as far as the bookkeeping needs it.
    struct Frame {
        int w = 0, h = 0;
        unsigned target = 0;
        // The scene's epoch now and the revision of what changes the whole view.
        std::uint64_t epoch = 0;
        std::uint64_t viewRevision = 0;
        Mat4 view, projection;
        Color4 background;
        // In drawing order.
        std::vector<Solid> solids;
        // Where solid i lies on screen now; asked only for the solids whose place is needed,
        // since projecting every box every frame would cost more than a still frame.
        std::function<TScreenRect(std::size_t)> rectOf;
        // The texts' rectangle, and a key that differs whenever what they show does.
        TScreenRect texts;
        std::vector<QString> textKey;
        // The target still holds the last frame drawn, so a part of it may be drawn over.
        bool backBufferKept = false;
        // The image cache is wanted at all.
        bool caching = true;
        // Nothing changed since the last frame drawn: every solid counts as still,
        // and what the target shows is already right.
        bool still = false;
    };
    // Where the image is drawn again (background, domes, then solids) before the frame.
    struct Repair {
        TScreenRect rect;
        std::vector<std::size_t> solids;
    };
    // What to do for one frame, solids by their index in Frame::solids.
    struct Plan {
        // The frame starts from the kept image; otherwise it is drawn whole from the background.
        bool usesImage = false;
        // The image is drawn anew from the background with imageSolids.
        bool rebuildImage = false;
        // Drawn into the image: the whole still scene when rebuilt, else the solids that just became still.
        std::vector<std::size_t> imageSolids;
        // Parts of the kept image that lost solids, mended before imageSolids are added.
        std::vector<Repair> repairs;
        int evicted = 0;
        // Only `presented` is drawn, over the last frame; otherwise the whole view.
        bool partial = false;
        TScreenRect presented;
        // Drawn over the image (or over the background) inside `presented`.
        std::vector<std::size_t> drawSolids;
        bool drawTexts = false;
    };

    // Plans the frame and takes it as drawn. makeImage is called when a new
    // image is wanted: it makes room for one of w x h and says whether it could.
    Plan plan(const Frame& f, const std::function<bool()>& makeImage);
    // The image is gone (its GL objects were freed): the next frame makes a new one if it pays.
    void dropImage()
    {
        image_ = {};
        imageRefused_ = false;
    }
    // Whether a frame with nothing changed would still put solids into the image:
    // drawn in idle time, it spares the next change from building the image itself.
    bool Settling() const { return settling_; }
    // The union of rects where overlapping ones are merged, so that no pixel is mended twice.
    static std::vector<TScreenRect> MergeOverlapping(const std::vector<TScreenRect>& rects);

private:
    struct Kept {
        std::uint64_t epoch = 0;
        TScreenRect rect;
    };
    struct Image {
        bool valid = false;
        int w = 0, h = 0;
        std::uint64_t viewRevision = 0;
        Mat4 view, projection;
        Color4 background;
        // The solids drawn into the image: their epoch then and where they lay.
        std::unordered_map<const void*, Kept> solids;
    };
    // The last frame, for drawing only what changed since.
    struct Previous {
        bool valid = false;
        int w = 0, h = 0;
        unsigned target = 0;
        std::uint64_t epoch = 0;
        std::unordered_map<const void*, TScreenRect> drawn;
        TScreenRect texts;
        std::vector<QString> textKey;
    };

    bool imageFits(const Frame& f) const;
    std::vector<TScreenRect> evictChanged(const Frame& f);
    std::vector<Repair> repairsFor(const Frame& f, const std::vector<TScreenRect>& evicted) const;
    bool rebuild(const Frame& f, Plan& p, const std::function<bool()>& makeImage);
    void absorbQuiet(const Frame& f, Plan& p);
    bool isQuiet(const Solid& s, const Frame& f) const { return f.still || s.epoch + kQuietFrames <= f.epoch; }
    bool stillSettling(const Frame& f) const;
    // Nothing changed since the last frame, which the target still holds.
    bool shownAlready(const Frame& f) const;
    TScreenRect damageOverImage(const Frame& f, const std::vector<TScreenRect>& evicted,
                                std::unordered_map<const void*, TScreenRect>& drawn) const;
    void chooseDrawn(const Frame& f, const std::unordered_map<const void*, TScreenRect>& drawn, Plan& p) const;

    Image image_;
    Previous previous_;
    // No image could be made (no framebuffer objects): nothing is left to settle.
    bool imageRefused_ = false;
    bool settling_ = false;
};
