#include "variant.h"

#if defined(TAVIK_JAPANESE)
const BuildVariant g_variant = {0x2490, 0x249};  // the older host interface generation
#else
const BuildVariant g_variant = {0x3101, 0x311};  // the newer one
#endif
