#include "TGLLightSource.h"
