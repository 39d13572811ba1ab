#pragma once

#include "scene/Mat4.h"
#include "scene/Vec3.h"

#include <cstdint>
#include <vector>

class TGLBaseSceneObject;
class TGLCustomSceneObject;
class TGLLightSource;
class TGLScene;
class THUDText;
class TSkyDome;

// A visible solid with its world matrix and the latest change epoch on its path from the root.
struct TSceneSolid {
    const TGLCustomSceneObject* object;
    Mat4 matrix;
    std::uint64_t epoch;
};

// A visible light at its world position.
struct TSceneLight {
    const TGLLightSource* light;
    Vec3 position;
};

// A visible sky dome with the rotation part of its world matrix (it is drawn round the eye).
struct TSceneDome {
    const TSkyDome* dome;
    Mat4 rotation;
};

// What a scene shows: one walk of the tree that the renderer and the picker
// share, so both see the same objects at the same places.
class TSceneWalk {
public:
    explicit TSceneWalk(const TGLScene& scene);

    const std::vector<TSceneSolid>& solids() const { return solids_; }
    const std::vector<TSceneLight>& lights() const { return lights_; }
    const std::vector<TSceneDome>& domes() const { return domes_; }
    const std::vector<const THUDText*>& texts() const { return texts_; }

private:
    void visit(const TGLBaseSceneObject& node, const Mat4& parent, std::uint64_t parentEpoch);

    std::vector<TSceneSolid> solids_;
    std::vector<TSceneLight> lights_;
    std::vector<TSceneDome> domes_;
    std::vector<const THUDText*> texts_;
};
