#pragma once

#include "scene/Color4.h"
#include "scene/TCachedImage.h"
#include "scene/Mat4.h"
#include "scene/TFrameDamage.h"
#include "scene/TSceneWalk.h"
#include "scene/TScreenRect.h"

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QOpenGLContext;
class TBitmapFont;
class TGLCamera;
class TGLCustomSceneObject;
class TGLLightSource;
class TGLScene;
class TMesh;
class TSkyDome;
class THUDText;

// Draws a scene with legacy OpenGL into the current context's framebuffer.
// Everything that stood still for a couple of frames is kept as colour and
// depth in an offscreen buffer; a frame then copies that image and draws only
// what moves on top of it.
class TGLRenderer {
public:
    // What the last frame did, for tests and benchmarks.
    struct Stats {
        int solids = 0;  // visible solids in the scene
        int drawnSolids = 0;  // solids drawn this frame
        bool usedCache = false;
        bool rebuiltCache = false;
        // Only the presented rectangle was drawn, over the previous frame.
        bool partial = false;
        // What changed on screen and must be presented; the whole view unless partial.
        TScreenRect presented;
        // Cached solids taken out of the image in their rectangles, and quiet ones put in.
        int evicted = 0;
        int absorbed = 0;
    };

    TGLRenderer();
    ~TGLRenderer();
    TGLRenderer(const TGLRenderer&) = delete;
    TGLRenderer& operator=(const TGLRenderer&) = delete;

    // Draws one frame of w x h device pixels into framebuffer target, then advances the scene's epoch.
    // pixelRatio device pixels make one pixel of the design: the field of view
    // and the texts keep their designed size at every screen scale.
    // The context must be current. With backBufferKept the target still holds
    // the previous frame drawn by this renderer, and only what changed is drawn
    // (stats().presented); otherwise the frame is drawn whole. With still, nothing
    // has changed since that frame: the frame only puts what stands still into the image.
    void render(TGLScene& scene, const TGLCamera* camera, int w, int h, double pixelRatio, const Color4& background,
                unsigned target, bool backBufferKept = false, bool still = false);
    // Whether frames with nothing changed would still build up the image (see TFrameDamage::Settling).
    bool settling() const { return damage_.Settling(); }
    // Frees every GL object (with its context current), or with contextAlive
    // false only forgets them because the context is already gone.
    void releaseGL(bool contextAlive = true);
    // Turns the static image cache on or off (on by default).
    void setCaching(bool on) { caching_ = on; }
    const Stats& stats() const { return stats_; }

private:
    struct Frame {
        explicit Frame(const TGLScene& scene) : walk(scene) {}
        TSceneWalk walk;
        Mat4 view, projection;
        Vec3 eye;
        double pixelRatio = 1;
        double nearPlane = 1;
        double farPlane = 100;
        // The framebuffer drawn into, in device pixels.
        int w = 0, h = 0;
        unsigned target = 0;
        Color4 background;
    };
    struct MeshList {
        unsigned list = 0;
        std::weak_ptr<const TMesh> mesh;
    };
    struct FontTexture {
        unsigned texture = 0;
        std::uint64_t revision = 0;
    };
    // A font's picture at 1x or at 2x.
    using FontKey = std::pair<const TBitmapFont*, bool>;

    TFrameDamage::Frame damageInput(const TGLScene& scene, const Frame& f, bool backBufferKept, bool still) const;
    bool makeImage(const Frame& f);
    void updateImage(const TFrameDamage::Plan& plan, const Frame& f);
    void repairImage(const std::vector<TFrameDamage::Repair>& repairs, const Frame& f);
    void drawIntoImage(const std::vector<std::size_t>& solids, const Frame& f);
    void drawFrame(const TFrameDamage::Plan& plan, const Frame& f);
    void takeStats(const TFrameDamage::Plan& plan, const Frame& f);
    TScreenRect screenRect(const TSceneSolid& s, const Frame& f, int w, int h) const;
    TScreenRect textRect(const Frame& f, int h, std::vector<QString>& key) const;
    // Whether texts are drawn from the font's 2x picture at this scale.
    static bool useHiDpiFont(const TBitmapFont& font, double pixelRatio);
    void beginScene(const Frame& f, int w, int h);
    // The background and the sky: what every whole picture, and every mended part of the image, starts from.
    void drawBackdrop(const Frame& f);
    void drawDomes(const Frame& f);
    // Solids by their index in the frame's walk, in that order.
    void drawSolids(const std::vector<std::size_t>& which, const Frame& f);
    void drawSolid(const TSceneSolid& s, const Mat4& view);
    void drawTexts(const Frame& f, int w, int h);
    unsigned meshList(const std::shared_ptr<const TMesh>& mesh);
    unsigned fontTexture(const TBitmapFont& font, bool hiDpi);
    void purgeDeadMeshes();

    bool caching_ = true;
    Stats stats_;
    TFrameDamage damage_;
    TCachedImage image_;
    std::map<std::uint64_t, MeshList> meshLists_;
    std::map<FontKey, FontTexture> fontTextures_;
};
