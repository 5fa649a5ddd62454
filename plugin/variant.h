// The settings in which the English and the Japanese build differ, besides their
// resource folder (dialog template, family names, menu string and display name) and the
// English-only host names, which TAVIK_JAPANESE leaves out of the binding.
#pragma once
#include <stdint.h>

struct BuildVariant {
  uint32_t lowestHostVersion;  // MQCheckVersion declines older hosts
  uint32_t interfaceVersion;   // what MQCheckVersion answers an accepted host
};

extern const BuildVariant g_variant;
