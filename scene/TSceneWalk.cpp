#include "scene/TSceneWalk.h"

#include "scene/TGLCustomSceneObject.h"
#include "scene/TGLLightSource.h"
#include "scene/TGLScene.h"
#include "scene/THUDText.h"
#include "scene/TSkyDome.h"

#include <algorithm>

TSceneWalk::TSceneWalk(const TGLScene& scene) { visit(scene.root(), Mat4(), 0); }

void TSceneWalk::visit(const TGLBaseSceneObject& node, const Mat4& parent, std::uint64_t parentEpoch)
{
    if (!node.visible())
        return;
    const Mat4 m = parent * node.localMatrix();
    const std::uint64_t epoch = std::max(parentEpoch, node.changeEpoch());
    if (auto* solid = dynamic_cast<const TGLCustomSceneObject*>(&node); solid && solid->mesh()) {
        solids_.push_back({solid, m, epoch});
    } else if (auto* light = dynamic_cast<const TGLLightSource*>(&node)) {
        lights_.push_back({light, m.mapPoint({0, 0, 0})});
    } else if (auto* dome = dynamic_cast<const TSkyDome*>(&node)) {
        Mat4 rotation = m;
        rotation(0, 3) = rotation(1, 3) = rotation(2, 3) = 0;
        domes_.push_back({dome, rotation});
    } else if (auto* text = dynamic_cast<const THUDText*>(&node)) {
        texts_.push_back(text);
    }
    for (int i = 0; i < node.childCount(); ++i)
        visit(*node.child(i), m, epoch);
}
