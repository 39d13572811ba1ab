#pragma once

#include "scene/Color4.h"
#include "scene/TGLBaseSceneObject.h"
#include "scene/TGLMaterial.h"
#include "scene/TMesh.h"

#include <memory>

// A scene object with a material and, for solids, a mesh that is drawn and picked.
class TGLCustomSceneObject : public TGLBaseSceneObject {
public:
    TGLCustomSceneObject();

    // The front material; its changes mark the object changed.
    TGLMaterial& material() { return material_; }
    const TGLMaterial& material() const { return material_; }
    // The solid's triangles in its own frame; nullptr for objects that draw nothing.
    const std::shared_ptr<const TMesh>& mesh() const { return mesh_; }
    // What picking hits: the drawn triangles, unless the solid gave others.
    const TMesh* pickMesh() const { return pickMesh_ ? pickMesh_.get() : mesh_.get(); }

protected:
    // Replaces the mesh (after a change of size or tessellation).
    void setMesh(std::shared_ptr<const TMesh> mesh);
    // Triangles for picking in place of the drawn ones; nullptr: the drawn ones.
    void setPickMesh(std::shared_ptr<const TMesh> mesh) { pickMesh_ = std::move(mesh); }

private:
    TGLMaterial material_;
    std::shared_ptr<const TMesh> mesh_;
    std::shared_ptr<const TMesh> pickMesh_;
};
