#include "TGLRenderer.h"

#include "TBitmapFont.h"
#include "TGLCamera.h"
#include "TGLCustomSceneObject.h"
#include "TGLLightSource.h"
#include "TGLScene.h"
#include "THUDText.h"
#include "TMesh.h"
#include "TSkyDome.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>

#include <algorithm>
#include <cmath>

namespace {
// An object must stand still this many frames before it goes into the image cache.
constexpr std::uint64_t kQuietFrames = 2;
// Changed cached objects beyond this many make a new image cheaper than mending the old one.
constexpr int kMaxEvicted = 48;

void LoadMatrix(const Mat4& m)
{
    const auto f = m.toFloats();
    glLoadMatrixf(f.data());
}

void SetMaterialColor(GLenum what, const Color4& c)
{
    const GLfloat v[4] = {c.r, c.g, c.b, c.a};
    glMaterialfv(GL_FRONT, what, v);
}

void SetLightColor(GLenum light, GLenum what, const Color4& c)
{
    const GLfloat v[4] = {c.r, c.g, c.b, c.a};
    glLightfv(light, what, v);
}

void BindFramebuffer(unsigned fbo)
{
    QOpenGLContext::currentContext()->functions()->glBindFramebuffer(GL_FRAMEBUFFER, fbo);
}

bool HasUnitScale(const Mat4& m)
{
    for (int c = 0; c < 3; ++c) {
        const double l2 = m(0, c) * m(0, c) + m(1, c) * m(1, c) + m(2, c) * m(2, c);
        if (std::abs(l2 - 1) > 1e-6)
            return false;
    }
    return true;
}
}  // namespace

TGLRenderer::TGLRenderer() = default;
TGLRenderer::~TGLRenderer() = default;

void TGLRenderer::render(TGLScene& scene, const TGLCamera* camera, int w, int h, double pixelRatio,
                         const Color4& background, unsigned target, bool backBufferKept)
{
    Frame f(scene);
    const std::vector<TSceneSolid>& solids = f.walk.solids();
    f.pixelRatio = pixelRatio > 0 ? pixelRatio : 1;
    if (camera) {
        f.view = camera->viewMatrix();
        f.projection = camera->projectionMatrix(w, h, f.pixelRatio);
        f.eye = camera->absolutePosition();
        f.nearPlane = camera->nearPlane(w, h, f.pixelRatio);
        f.farPlane = f.nearPlane + camera->depthOfView();
    } else {
        f.projection = Mat4::frustum(-0.5, 0.5, -0.5 * h / std::max(w, 1), 0.5 * h / std::max(w, 1), 1, 101);
    }

    stats_ = {};
    stats_.solids = static_cast<int>(solids.size());
    bool useCache = caching_ && cacheStillValid(scene, f, w, h, background);
    std::vector<TScreenRect> evicted;
    if (useCache) {
        evicted = evictChangedSolids(f);
        // A view-wide change such as the field turning: a new image is cheaper.
        if (static_cast<int>(evicted.size()) > kMaxEvicted)
            useCache = false;
        else
            repairCache(f, evicted, w, h, target);
    }
    if (!useCache && caching_)
        useCache = stats_.rebuiltCache = rebuildCache(scene, f, w, h, background, target);
    else if (useCache)
        absorbQuietSolids(scene, f, w, h, target);
    stats_.usedCache = useCache;

    // Where the solids drawn over the image lie now, and what changed since the last frame.
    std::unordered_map<const TGLCustomSceneObject*, TScreenRect> drawn;
    std::vector<QString> textKey;
    const TScreenRect texts = textRect(f, h, textKey);
    TScreenRect dirty;
    if (useCache) {
        for (const TSceneSolid& s : solids) {
            if (cache_.solids.count(s.object))
                continue;
            const TScreenRect r = screenRect(s, f, w, h);
            drawn.emplace(s.object, r);
            const auto before = previous_.drawn.find(s.object);
            if (before == previous_.drawn.end())
                dirty = dirty.united(r);
            else if (s.epoch > previous_.epoch)
                dirty = dirty.united(r).united(before->second);
        }
        for (const auto& [object, r] : previous_.drawn)
            if (!drawn.count(object))
                dirty = dirty.united(r);
        for (const TScreenRect& r : evicted)
            dirty = dirty.united(r);
        if (textKey != previous_.textKey)
            dirty = dirty.united(texts).united(previous_.texts);
    }
    const bool partial = useCache && !stats_.rebuiltCache && backBufferKept && previous_.valid && previous_.w == w
                         && previous_.h == h && previous_.target == target;
    const TScreenRect area = partial ? dirty.clipped(w, h) : TScreenRect{0, 0, w, h};
    stats_.partial = partial;
    stats_.presented = area;

    if (!area.empty()) {
        if (useCache) {
            blitCache(area, target);
            beginScene(f, w, h);
            if (partial) {
                glEnable(GL_SCISSOR_TEST);
                glScissor(area.x0, area.y0, area.width(), area.height());
            }
        } else {
            BindFramebuffer(target);
            beginScene(f, w, h);
            glClearColor(background.r, background.g, background.b, background.a);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            drawDomes(f);
        }
        for (const TSceneSolid& s : solids) {
            if (useCache) {
                const auto r = drawn.find(s.object);
                if (r == drawn.end() || (partial && !r->second.intersects(area)))
                    continue;
            }
            drawSolid(s, f.view);
            ++stats_.drawnSolids;
        }
        // The texts' state changes cost more than their few quads: not where the scissor would drop them.
        if (!partial || texts.intersects(area))
            drawTexts(f, w, h);
        glDisable(GL_SCISSOR_TEST);
    }
    previous_.valid = useCache;
    previous_.w = w;
    previous_.h = h;
    previous_.target = target;
    previous_.epoch = scene.epoch();
    previous_.drawn = std::move(drawn);
    previous_.texts = texts;
    previous_.textKey = std::move(textKey);
    purgeDeadMeshes();
    scene.advanceEpoch();
}

bool TGLRenderer::cacheStillValid(const TGLScene& scene, const Frame& f, int w, int h, const Color4& bg) const
{
    return cache_.valid && fbo_ && cache_.w == w && cache_.h == h && cache_.viewRevision == scene.viewRevision()
           && cache_.view == f.view && cache_.projection == f.projection && cache_.background == bg;
}

std::vector<TScreenRect> TGLRenderer::evictChangedSolids(const Frame& f)
{
    // Cached solids that changed or are no longer drawn leave the image where they lay.
    std::vector<TScreenRect> rects;
    std::unordered_map<const TGLCustomSceneObject*, bool> seen;
    for (const TSceneSolid& s : f.walk.solids()) {
        const auto it = cache_.solids.find(s.object);
        if (it == cache_.solids.end())
            continue;
        if (s.epoch > it->second.epoch) {
            rects.push_back(it->second.rect);
            cache_.solids.erase(it);
        } else {
            seen.emplace(s.object, true);
        }
    }
    for (auto it = cache_.solids.begin(); it != cache_.solids.end();) {
        if (!seen.count(it->first)) {
            rects.push_back(it->second.rect);
            it = cache_.solids.erase(it);
        } else {
            ++it;
        }
    }
    stats_.evicted = static_cast<int>(rects.size());
    return rects;
}

void TGLRenderer::repairCache(const Frame& f, const std::vector<TScreenRect>& evicted, int w, int h, unsigned target)
{
    if (evicted.empty())
        return;
    // Neighbours of a group overlap: one pass of the sky over their union, not one each.
    std::vector<TScreenRect> rects;
    for (TScreenRect r : evicted) {
        for (bool merged = true; merged;) {
            merged = false;
            for (auto it = rects.begin(); it != rects.end(); ++it)
                if (it->intersects(r)) {
                    r = r.united(*it);
                    rects.erase(it);
                    merged = true;
                    break;
                }
        }
        rects.push_back(r);
    }
    BindFramebuffer(fbo_->handle());
    beginScene(f, w, h);
    glEnable(GL_SCISSOR_TEST);
    const Color4& bg = cache_.background;
    for (const TScreenRect& r : rects) {
        if (r.empty())
            continue;
        glScissor(r.x0, r.y0, r.width(), r.height());
        glClearColor(bg.r, bg.g, bg.b, bg.a);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawDomes(f);
        for (const TSceneSolid& s : f.walk.solids()) {
            const auto it = cache_.solids.find(s.object);
            if (it != cache_.solids.end() && it->second.rect.intersects(r))
                drawSolid(s, f.view);
        }
    }
    glDisable(GL_SCISSOR_TEST);
    BindFramebuffer(target);
}

void TGLRenderer::absorbQuietSolids(const TGLScene& scene, const Frame& f, int w, int h, unsigned target)
{
    bool bound = false;
    for (const TSceneSolid& s : f.walk.solids()) {
        if (cache_.solids.count(s.object) || s.epoch + kQuietFrames > scene.epoch())
            continue;
        if (!bound) {
            BindFramebuffer(fbo_->handle());
            beginScene(f, w, h);
            bound = true;
        }
        drawSolid(s, f.view);
        cache_.solids[s.object] = {s.epoch, screenRect(s, f, w, h)};
        ++stats_.absorbed;
    }
    if (bound)
        BindFramebuffer(target);
}

TScreenRect TGLRenderer::screenRect(const TSceneSolid& s, const Frame& f, int w, int h) const
{
    const TScreenRect whole{0, 0, w, h};
    const TMesh& mesh = *s.object->mesh();
    const Mat4 modelView = f.view * s.matrix;
    // The mesh's box as the solid lies now: a turned torus is much thinner
    // edge-on than the sphere round it, and the rectangle is what gets copied.
    const Vec3& lo = mesh.boxMin();
    const Vec3& hi = mesh.boxMax();
    double x0 = w, y0 = h, x1 = 0, y1 = 0;
    for (int i = 0; i < 8; ++i) {
        const Vec3 corner = modelView.mapPoint({i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z});
        // Near the eye the box's projection is no bound; it is cheap to be safe there.
        if (corner.z > -f.nearPlane)
            return whole;
        const Vec3 p = f.projection.mapPoint(corner);
        const double px = (p.x + 1) * 0.5 * w, py = (p.y + 1) * 0.5 * h;
        x0 = std::min(x0, px);
        x1 = std::max(x1, px);
        y0 = std::min(y0, py);
        y1 = std::max(y1, py);
    }
    // A pixel of margin round the rasterised edges.
    return TScreenRect{int(std::floor(x0)) - 2, int(std::floor(y0)) - 2, int(std::ceil(x1)) + 2, int(std::ceil(y1)) + 2}
        .clipped(w, h);
}

TScreenRect TGLRenderer::textRect(const Frame& f, int h, std::vector<QString>& key) const
{
    TScreenRect all;
    for (const THUDText* text : f.walk.texts()) {
        const TBitmapFont* font = text->font();
        if (!font || font->glyphImage().isNull())
            continue;
        QRectF box;
        for (const THUDGlyph& g : text->layout())
            box = box.united(g.screen);
        if (box.isEmpty())
            continue;
        box = QRectF(box.topLeft() * f.pixelRatio, box.bottomRight() * f.pixelRatio);
        const Color4& c = text->modulateColor();
        key.push_back(QString::asprintf("%p %llu %d %g %g %g %g %g %g %g %g ", static_cast<const void*>(font),
                                        static_cast<unsigned long long>(font->revision()),
                                        int(useHiDpiFont(*font, f.pixelRatio)), box.left(), box.top(), box.right(),
                                        box.bottom(), c.r, c.g, c.b, c.a)
                      + text->text());
        all = all.united({int(std::floor(box.left())) - 1, h - int(std::ceil(box.bottom())) - 1,
                          int(std::ceil(box.right())) + 1, h - int(std::floor(box.top())) + 1});
    }
    return all;
}

bool TGLRenderer::rebuildCache(const TGLScene& scene, const Frame& f, int w, int h, const Color4& bg, unsigned target)
{
    cache_.valid = false;
    // GL 1.1 alone has neither; every frame is then drawn whole.
    if (!QOpenGLFramebufferObject::hasOpenGLFramebufferObjects()
        || !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit())
        return false;
    int quiet = 0;
    for (const TSceneSolid& s : f.walk.solids())
        if (s.epoch + kQuietFrames <= scene.epoch())
            ++quiet;
    // With most of the scene moving, the copy costs more than it saves.
    if (quiet < 8 || quiet * 2 < static_cast<int>(f.walk.solids().size()))
        return false;
    if (!fbo_ || fbo_->width() != w || fbo_->height() != h) {
        fbo_.reset();
        fbo_ = std::make_unique<QOpenGLFramebufferObject>(w, h, QOpenGLFramebufferObject::CombinedDepthStencil);
        if (!fbo_->isValid()) {
            fbo_.reset();
            BindFramebuffer(target);
            return false;
        }
    }
    BindFramebuffer(fbo_->handle());
    beginScene(f, w, h);
    glClearColor(bg.r, bg.g, bg.b, bg.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawDomes(f);
    cache_.solids.clear();
    for (const TSceneSolid& s : f.walk.solids())
        if (s.epoch + kQuietFrames <= scene.epoch()) {
            drawSolid(s, f.view);
            cache_.solids[s.object] = {s.epoch, screenRect(s, f, w, h)};
        }
    cache_.valid = true;
    cache_.epoch = scene.epoch();
    cache_.viewRevision = scene.viewRevision();
    cache_.w = w;
    cache_.h = h;
    cache_.view = f.view;
    cache_.projection = f.projection;
    cache_.background = bg;
    return true;
}

void TGLRenderer::blitCache(const TScreenRect& r, unsigned target)
{
    QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo_->handle());
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
    gl->glBlitFramebuffer(r.x0, r.y0, r.x1, r.y1, r.x0, r.y0, r.x1, r.y1, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT,
                          GL_NEAREST);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, target);
}

void TGLRenderer::beginScene(const Frame& f, int w, int h)
{
    // Re-established every frame: other code may have touched the state.
    glViewport(0, 0, w, h);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_DITHER);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    const GLfloat ambient[4] = {0.2f, 0.2f, 0.2f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);

    glMatrixMode(GL_PROJECTION);
    LoadMatrix(f.projection);
    glMatrixMode(GL_MODELVIEW);
    LoadMatrix(f.view);
    int n = 0;
    for (const TSceneLight& l : f.walk.lights()) {
        if (n >= 8)
            break;
        const GLenum id = GL_LIGHT0 + n++;
        if (!l.light->shining()) {
            glDisable(id);
            continue;
        }
        glEnable(id);
        const GLfloat pos[4] = {float(l.position.x), float(l.position.y), float(l.position.z), 1};
        glLightfv(id, GL_POSITION, pos);
        SetLightColor(id, GL_AMBIENT, l.light->ambient());
        SetLightColor(id, GL_DIFFUSE, l.light->diffuse());
        SetLightColor(id, GL_SPECULAR, l.light->specular());
        glLightf(id, GL_CONSTANT_ATTENUATION, float(l.light->constantAttenuation()));
        glLightf(id, GL_LINEAR_ATTENUATION, float(l.light->linearAttenuation()));
        glLightf(id, GL_QUADRATIC_ATTENUATION, float(l.light->quadraticAttenuation()));
        glLightf(id, GL_SPOT_CUTOFF, float(l.light->spotCutOff()));
    }
    for (; n < 8; ++n)
        glDisable(GL_LIGHT0 + n);
}

void TGLRenderer::drawDomes(const Frame& f)
{
    if (f.walk.domes().empty())
        return;
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    glDisable(GL_DEPTH_TEST);
    // Half way to the far plane: inside the frustum whatever the camera's range.
    const double radius = f.farPlane * 0.5;
    for (const TSceneDome& d : f.walk.domes()) {
        Mat4 m = d.rotation;
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 3; ++r)
                m(r, c) *= radius;
        m(0, 3) = f.eye.x;
        m(1, 3) = f.eye.y;
        m(2, 3) = f.eye.z;
        LoadMatrix(f.view * m);
        glBegin(GL_TRIANGLES);
        for (const TSkyVertex& v : d.dome->triangles()) {
            glColor4f(v.color.r, v.color.g, v.color.b, v.color.a);
            glVertex3d(v.position.x, v.position.y, v.position.z);
        }
        glEnd();
    }
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
}

void TGLRenderer::drawSolid(const TSceneSolid& s, const Mat4& view)
{
    const TGLMaterial& mat = s.object->material();
    SetMaterialColor(GL_AMBIENT, mat.frontAmbient());
    SetMaterialColor(GL_DIFFUSE, mat.frontDiffuse());
    SetMaterialColor(GL_SPECULAR, mat.frontSpecular());
    SetMaterialColor(GL_EMISSION, mat.frontEmission());
    glMaterialf(GL_FRONT, GL_SHININESS, mat.frontShininess());
    const bool unit = HasUnitScale(s.matrix);
    if (!unit)
        glEnable(GL_NORMALIZE);
    LoadMatrix(view * s.matrix);
    glCallList(meshList(s.object->mesh()));
    if (!unit)
        glDisable(GL_NORMALIZE);
}

unsigned TGLRenderer::meshList(const std::shared_ptr<const TMesh>& mesh)
{
    MeshList& entry = meshLists_[mesh->serial()];
    if (entry.list)
        return entry.list;
    entry.mesh = mesh;
    entry.list = glGenLists(1);
    glNewList(entry.list, GL_COMPILE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, mesh->positions.data());
    glNormalPointer(GL_FLOAT, 0, mesh->normals.data());
    glDrawElements(GL_TRIANGLES, GLsizei(mesh->indices.size()), GL_UNSIGNED_INT, mesh->indices.data());
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glEndList();
    return entry.list;
}

void TGLRenderer::purgeDeadMeshes()
{
    for (auto it = meshLists_.begin(); it != meshLists_.end();) {
        if (it->second.mesh.expired()) {
            glDeleteLists(it->second.list, 1);
            it = meshLists_.erase(it);
        } else {
            ++it;
        }
    }
}

bool TGLRenderer::useHiDpiFont(const TBitmapFont& font, double pixelRatio)
{
    // Up to 1.5 the 1x glyphs stretch less than the 2x ones would shrink.
    return pixelRatio > 1.5 && !font.hiDpiGlyphImage().isNull();
}

unsigned TGLRenderer::fontTexture(const TBitmapFont& font, bool hiDpi)
{
    FontTexture& entry = fontTextures_[{&font, hiDpi}];
    if (entry.texture && entry.revision == font.revision())
        return entry.texture;
    if (!entry.texture)
        glGenTextures(1, &entry.texture);
    entry.revision = font.revision();
    const QImage& img = hiDpi ? font.hiDpiGlyphImage() : font.glyphImage();
    glBindTexture(GL_TEXTURE_2D, entry.texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, img.width(), img.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE, img.constBits());
    return entry.texture;
}

void TGLRenderer::drawTexts(const Frame& f, int w, int h)
{
    bool begun = false;
    for (const THUDText* text : f.walk.texts()) {
        const TBitmapFont* font = text->font();
        if (!font || font->glyphImage().isNull())
            continue;
        const auto glyphs = text->layout();
        if (glyphs.empty())
            continue;
        if (!begun) {
            // Laid out in pixels of the design, drawn into device pixels.
            glMatrixMode(GL_PROJECTION);
            LoadMatrix(Mat4::ortho(0, w / f.pixelRatio, h / f.pixelRatio, 0, -1, 1));
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glDisable(GL_LIGHTING);
            glDisable(GL_DEPTH_TEST);
            glDisable(GL_CULL_FACE);
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            glEnable(GL_TEXTURE_2D);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
            begun = true;
        }
        // The 2x picture holds every cell at twice the 1x place and size.
        const bool hiDpi = useHiDpiFont(*font, f.pixelRatio);
        const QImage& picture = hiDpi ? font->hiDpiGlyphImage() : font->glyphImage();
        glBindTexture(GL_TEXTURE_2D, fontTexture(*font, hiDpi));
        const double cellScale = hiDpi ? 2 : 1;
        const double iw = cellScale / picture.width(), ih = cellScale / picture.height();
        const Color4& c = text->modulateColor();
        glColor4f(c.r, c.g, c.b, c.a);
        glBegin(GL_QUADS);
        for (const THUDGlyph& g : glyphs) {
            const double u0 = g.source.left() * iw, u1 = (g.source.left() + g.source.width()) * iw;
            const double v0 = g.source.top() * ih, v1 = (g.source.top() + g.source.height()) * ih;
            glTexCoord2d(u0, v0);
            glVertex2d(g.screen.left(), g.screen.top());
            glTexCoord2d(u0, v1);
            glVertex2d(g.screen.left(), g.screen.bottom());
            glTexCoord2d(u1, v1);
            glVertex2d(g.screen.right(), g.screen.bottom());
            glTexCoord2d(u1, v0);
            glVertex2d(g.screen.right(), g.screen.top());
        }
        glEnd();
    }
    if (begun) {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
    }
}

void TGLRenderer::releaseGL(bool contextAlive)
{
    if (contextAlive) {
        for (auto& [serial, entry] : meshLists_)
            glDeleteLists(entry.list, 1);
        for (auto& [font, entry] : fontTextures_)
            glDeleteTextures(1, &entry.texture);
    }
    // The framebuffer object's guard knows when its context has gone.
    fbo_.reset();
    meshLists_.clear();
    fontTextures_.clear();
    cache_ = {};
}
