#include "scene/TGLLightSource.h"
