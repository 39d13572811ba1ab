#include "scene/TGLScene.h"

TGLScene::TGLScene() { root_.attachTo(this); }

void TGLScene::noteChange(ChangeKind kind)
{
    ++revision_;
    if (kind == ChangeKind::View)
        ++viewRevision_;
    if (listener_)
        listener_();
}
