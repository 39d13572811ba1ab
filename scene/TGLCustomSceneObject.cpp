#include "scene/TGLCustomSceneObject.h"

#include <utility>

TGLCustomSceneObject::TGLCustomSceneObject() : material_([this] { changed(); }) {}

void TGLCustomSceneObject::setMesh(std::shared_ptr<const TMesh> mesh)
{
    if (mesh == mesh_)
        return;
    mesh_ = std::move(mesh);
    changed();
}
