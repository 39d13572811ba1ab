#pragma once

#include <QSurfaceFormat>

// The surface format the game asks for, made the default before the application starts.
inline QSurfaceFormat UseGameSurfaceFormat()
{
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setVersion(2, 1);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(f);
    return f;
}
