#include "module.h"

HINSTANCE g_moduleHandle;
