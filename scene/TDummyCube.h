#pragma once

#include "scene/TGLCustomSceneObject.h"

// A grouping node: draws nothing and is never picked; its frame carries its children.
class TDummyCube : public TGLCustomSceneObject {};
