#include "TDummyCube.h"
