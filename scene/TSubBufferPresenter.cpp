#include "scene/TSubBufferPresenter.h"

#include <GL/glx.h>

#include <cstring>

bool TSubBufferPresenter::resolve()
{
    copy_ = nullptr;
    Display* display = glXGetCurrentDisplay();
    if (!display || !glXGetCurrentDrawable())
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions || !std::strstr(extensions, "GLX_MESA_copy_sub_buffer"))
        return false;
    copy_ =
        reinterpret_cast<CopySubBuffer>(glXGetProcAddress(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA")));
    return copy_ != nullptr;
}

void TSubBufferPresenter::present(const TScreenRect& r) const
{
    if (!copy_ || r.empty())
        return;
    // The copy flushes the context's pending drawing first.
    copy_(glXGetCurrentDisplay(), glXGetCurrentDrawable(), r.x0, r.y0, r.width(), r.height());
}
