#include "scene/TCachedImage.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>

#include <GL/glext.h>

#include <cstring>
#include <utility>

namespace {
// An assembly program, not GLSL: Mesa reads it with a small parser, where the
// first GLSL shader of a run costs megabytes of built-in function tables.
// The depth is the fragment's z.
const char kProgram[] = "!!ARBfp1.0\n"
                        "TEMP depth;\n"
                        "TEX result.color, fragment.texcoord[0], texture[0], 2D;\n"
                        "TEX depth, fragment.texcoord[0], texture[1], 2D;\n"
                        "MOV result.depth.z, depth.x;\n"
                        "END\n";

QOpenGLExtraFunctions& Gl()
{
    return *QOpenGLContext::currentContext()->extraFunctions();
}

unsigned NewTexture(GLint internalFormat, GLenum format, GLenum type, int w, int h)
{
    QOpenGLExtraFunctions& gl = Gl();
    GLuint texture = 0;
    gl.glGenTextures(1, &texture);
    gl.glBindTexture(GL_TEXTURE_2D, texture);
    // Texel for pixel: the quad samples at the pixels' centres.
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl.glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, w, h, 0, format, type, nullptr);
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}
}  // namespace

// The fragment program entry points, which Qt does not wrap.
struct TCachedImage::ProgramCalls {
    PFNGLGENPROGRAMSARBPROC gen = nullptr;
    PFNGLBINDPROGRAMARBPROC bind = nullptr;
    PFNGLPROGRAMSTRINGARBPROC string = nullptr;
    PFNGLDELETEPROGRAMSARBPROC remove = nullptr;

    static ProgramCalls Of(const QOpenGLContext& context)
    {
        ProgramCalls calls;
        if (!context.hasExtension("GL_ARB_fragment_program"))
            return calls;
        calls.gen = reinterpret_cast<PFNGLGENPROGRAMSARBPROC>(context.getProcAddress("glGenProgramsARB"));
        calls.bind = reinterpret_cast<PFNGLBINDPROGRAMARBPROC>(context.getProcAddress("glBindProgramARB"));
        calls.string = reinterpret_cast<PFNGLPROGRAMSTRINGARBPROC>(context.getProcAddress("glProgramStringARB"));
        calls.remove = reinterpret_cast<PFNGLDELETEPROGRAMSARBPROC>(context.getProcAddress("glDeleteProgramsARB"));
        return calls;
    }
    bool Complete() const { return gen && bind && string && remove; }
};

TCachedImage::TCachedImage() = default;
TCachedImage::~TCachedImage() = default;

bool TCachedImage::Ensure(int w, int h)
{
    if (framebuffer_ && w == w_ && h == h_)
        return true;
    DeleteFramebuffer();
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    const bool supported = context && context->functions()->hasOpenGLFeature(QOpenGLFunctions::Framebuffers)
        && (context->format().majorVersion() >= 2 || context->hasExtension("GL_ARB_depth_texture"));
    if (!supported || !MakeProgram() || !MakeFramebuffer(w, h)) {
        DeleteFramebuffer();
        return false;
    }
    return true;
}

bool TCachedImage::MakeProgram()
{
    if (program_)
        return true;
    if (programFailed_)
        return false;
    auto found = std::make_unique<ProgramCalls>(ProgramCalls::Of(*QOpenGLContext::currentContext()));
    if (!found->Complete())
        return false;
    const ProgramCalls& calls = *found;
    while (glGetError() != GL_NO_ERROR) {
    }
    GLuint program = 0;
    calls.gen(1, &program);
    calls.bind(GL_FRAGMENT_PROGRAM_ARB, program);
    calls.string(GL_FRAGMENT_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB, GLsizei(std::strlen(kProgram)), kProgram);
    GLint errorAt = -1;
    glGetIntegerv(GL_PROGRAM_ERROR_POSITION_ARB, &errorAt);
    calls.bind(GL_FRAGMENT_PROGRAM_ARB, 0);
    if (glGetError() != GL_NO_ERROR || errorAt != -1) {
        calls.remove(1, &program);
        programFailed_ = true;
        return false;
    }
    program_ = program;
    calls_ = std::move(found);
    return true;
}

bool TCachedImage::MakeFramebuffer(int w, int h)
{
    QOpenGLExtraFunctions& gl = Gl();
    GLint before = 0;
    gl.glGetIntegerv(GL_FRAMEBUFFER_BINDING, &before);
    colour_ = NewTexture(GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, w, h);
    depth_ = NewTexture(GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, w, h);
    gl.glGenFramebuffers(1, &framebuffer_);
    gl.glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl.glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    gl.glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth_, 0);
    const bool complete = gl.glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl.glBindFramebuffer(GL_FRAMEBUFFER, GLuint(before));
    w_ = w;
    h_ = h;
    return complete;
}

void TCachedImage::Restore(const TScreenRect& r, unsigned target, int w, int h)
{
    QOpenGLExtraFunctions& gl = Gl();
    const ProgramCalls& calls = *calls_;
    gl.glBindFramebuffer(GL_FRAMEBUFFER, target);
    gl.glViewport(0, 0, w, h);
    gl.glEnable(GL_SCISSOR_TEST);
    gl.glScissor(r.x0, r.y0, r.width(), r.height());
    gl.glDisable(GL_BLEND);
    gl.glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_ALPHA_TEST);
    gl.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // Depth is only written while the test is on: it must pass everywhere.
    gl.glEnable(GL_DEPTH_TEST);
    gl.glDepthFunc(GL_ALWAYS);
    gl.glDepthMask(GL_TRUE);
    gl.glActiveTexture(GL_TEXTURE1);
    gl.glBindTexture(GL_TEXTURE_2D, depth_);
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, colour_);
    glEnable(GL_FRAGMENT_PROGRAM_ARB);
    calls.bind(GL_FRAGMENT_PROGRAM_ARB, program_);
    DrawQuad(r, w, h);
    calls.bind(GL_FRAGMENT_PROGRAM_ARB, 0);
    glDisable(GL_FRAGMENT_PROGRAM_ARB);
    gl.glActiveTexture(GL_TEXTURE1);
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    gl.glDepthFunc(GL_LESS);
    gl.glDisable(GL_SCISSOR_TEST);
}

void TCachedImage::DrawQuad(const TScreenRect& r, int w, int h) const
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Texture coordinates at the rectangle's corners land on the pixels' centres inside it.
    const double x0 = double(r.x0) / w, x1 = double(r.x1) / w;
    const double y0 = double(r.y0) / h, y1 = double(r.y1) / h;
    glBegin(GL_QUADS);
    glTexCoord2d(x0, y0);
    glVertex2d(2 * x0 - 1, 2 * y0 - 1);
    glTexCoord2d(x1, y0);
    glVertex2d(2 * x1 - 1, 2 * y0 - 1);
    glTexCoord2d(x1, y1);
    glVertex2d(2 * x1 - 1, 2 * y1 - 1);
    glTexCoord2d(x0, y1);
    glVertex2d(2 * x0 - 1, 2 * y1 - 1);
    glEnd();
}

void TCachedImage::DeleteFramebuffer()
{
    if (QOpenGLContext::currentContext()) {
        QOpenGLExtraFunctions& gl = Gl();
        if (framebuffer_)
            gl.glDeleteFramebuffers(1, &framebuffer_);
        const GLuint textures[2] = {colour_, depth_};
        gl.glDeleteTextures(2, textures);
    }
    framebuffer_ = colour_ = depth_ = 0;
    w_ = h_ = 0;
}

void TCachedImage::Release(bool contextAlive)
{
    if (contextAlive) {
        DeleteFramebuffer();
        if (program_)
            calls_->remove(1, &program_);
    }
    framebuffer_ = colour_ = depth_ = program_ = 0;
    calls_.reset();
    w_ = h_ = 0;
    programFailed_ = false;
}
