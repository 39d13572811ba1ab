#include "scene/TGLRenderer.h"

#include "scene/TBitmapFont.h"
#include "scene/TGLCamera.h"
#include "scene/TGLCustomSceneObject.h"
#include "scene/TGLLightSource.h"
#include "scene/TGLScene.h"
#include "scene/THUDText.h"
#include "scene/TMesh.h"
#include "scene/TSkyDome.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <algorithm>
#include <cmath>

namespace {
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
                         const Color4& background, unsigned target, bool backBufferKept, bool still)
{
    Frame f(scene);
    f.pixelRatio = pixelRatio > 0 ? pixelRatio : 1;
    f.w = w;
    f.h = h;
    f.target = target;
    f.background = background;
    if (camera) {
        f.view = camera->viewMatrix();
        f.projection = camera->projectionMatrix(w, h, f.pixelRatio);
        f.eye = camera->absolutePosition();
        f.nearPlane = camera->nearPlane(w, h, f.pixelRatio);
        f.farPlane = f.nearPlane + camera->depthOfView();
    } else {
        f.projection = Mat4::frustum(-0.5, 0.5, -0.5 * h / std::max(w, 1), 0.5 * h / std::max(w, 1), 1, 101);
    }
    const TFrameDamage::Plan plan = damage_.plan(damageInput(scene, f, backBufferKept, still), [&] { return makeImage(f); });
    updateImage(plan, f);
    drawFrame(plan, f);
    takeStats(plan, f);
    purgeDeadMeshes();
    scene.advanceEpoch();
}

TFrameDamage::Frame TGLRenderer::damageInput(const TGLScene& scene, const Frame& f, bool backBufferKept,
                                             bool still) const
{
    TFrameDamage::Frame d;
    d.w = f.w;
    d.h = f.h;
    d.target = f.target;
    d.epoch = scene.epoch();
    d.viewRevision = scene.viewRevision();
    d.view = f.view;
    d.projection = f.projection;
    d.background = f.background;
    const std::vector<TSceneSolid>& solids = f.walk.solids();
    d.solids.reserve(solids.size());
    for (const TSceneSolid& s : solids)
        d.solids.push_back({s.object, s.epoch});
    d.rectOf = [this, &f](std::size_t i) { return screenRect(f.walk.solids()[i], f, f.w, f.h); };
    d.texts = textRect(f, f.h, d.textKey);
    d.backBufferKept = backBufferKept;
    d.caching = caching_;
    d.still = still;
    return d;
}

bool TGLRenderer::makeImage(const Frame& f)
{
    // Without it (GL 1.1 alone) every frame is drawn whole.
    if (image_.Ensure(f.w, f.h))
        return true;
    BindFramebuffer(f.target);
    return false;
}

void TGLRenderer::updateImage(const TFrameDamage::Plan& plan, const Frame& f)
{
    if (plan.rebuildImage) {
        BindFramebuffer(image_.Framebuffer());
        beginScene(f, f.w, f.h);
        drawBackdrop(f);
        drawSolids(plan.imageSolids, f);
        BindFramebuffer(f.target);
    } else if (plan.usesImage) {
        repairImage(plan.repairs, f);
        drawIntoImage(plan.imageSolids, f);
    }
}

void TGLRenderer::repairImage(const std::vector<TFrameDamage::Repair>& repairs, const Frame& f)
{
    if (repairs.empty())
        return;
    BindFramebuffer(image_.Framebuffer());
    beginScene(f, f.w, f.h);
    glEnable(GL_SCISSOR_TEST);
    for (const TFrameDamage::Repair& r : repairs) {
        glScissor(r.rect.x0, r.rect.y0, r.rect.width(), r.rect.height());
        drawBackdrop(f);
        drawSolids(r.solids, f);
    }
    glDisable(GL_SCISSOR_TEST);
    BindFramebuffer(f.target);
}

void TGLRenderer::drawIntoImage(const std::vector<std::size_t>& solids, const Frame& f)
{
    if (solids.empty())
        return;
    BindFramebuffer(image_.Framebuffer());
    beginScene(f, f.w, f.h);
    drawSolids(solids, f);
    BindFramebuffer(f.target);
}

void TGLRenderer::drawFrame(const TFrameDamage::Plan& plan, const Frame& f)
{
    const TScreenRect& area = plan.presented;
    if (area.empty())
        return;
    if (plan.usesImage) {
        image_.Restore(area, f.target, f.w, f.h);
        beginScene(f, f.w, f.h);
        if (plan.partial) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(area.x0, area.y0, area.width(), area.height());
        }
    } else {
        BindFramebuffer(f.target);
        beginScene(f, f.w, f.h);
        drawBackdrop(f);
    }
    drawSolids(plan.drawSolids, f);
    if (plan.drawTexts)
        drawTexts(f, f.w, f.h);
    glDisable(GL_SCISSOR_TEST);
}

void TGLRenderer::takeStats(const TFrameDamage::Plan& plan, const Frame& f)
{
    stats_ = {};
    stats_.solids = static_cast<int>(f.walk.solids().size());
    stats_.drawnSolids = static_cast<int>(plan.drawSolids.size());
    stats_.usedCache = plan.usesImage;
    stats_.rebuiltCache = plan.rebuildImage;
    stats_.partial = plan.partial;
    stats_.presented = plan.presented;
    stats_.evicted = plan.evicted;
    stats_.absorbed = plan.rebuildImage ? 0 : static_cast<int>(plan.imageSolids.size());
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

void TGLRenderer::drawBackdrop(const Frame& f)
{
    const Color4& bg = f.background;
    glClearColor(bg.r, bg.g, bg.b, bg.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawDomes(f);
}

void TGLRenderer::drawSolids(const std::vector<std::size_t>& which, const Frame& f)
{
    for (std::size_t i : which)
        drawSolid(f.walk.solids()[i], f.view);
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
    image_.Release(contextAlive);
    meshLists_.clear();
    fontTextures_.clear();
    damage_.dropImage();
}
