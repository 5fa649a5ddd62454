#include "star_params.h"

#include <math.h>

StarParams g_starParams = {0, 0, 0, 0, 100.0f, 50.0f, 0, 0.0f, 0.0f, 0, 0, 0, 0.0f, 0};

float AutoInnerRadius(float outerRadius, int32_t vertexCount) {
  // Each named value is rounded to float on its own; the rest is double arithmetic.
  float a = (float)(((double)kPi * 2.0) / vertexCount);
  float ca = (float)cos((double)a);
  float b = (float)((double)kPi / vertexCount);
  float cb = (float)cos((double)b);
  return (float)(((double)outerRadius * ca) / cb);
}

void DeriveStarParams(StarParams* params) {
  // Formed in 64 bits: the acceptance bounds the product, so the narrowing is exact.
  int64_t count = params->shapeType == Star ? 2 * (int64_t)params->vertexCount
                                            : (int64_t)params->vertexCount * params->division;
  params->pointCount = (int32_t)count;
  if (params->autoInner == 1)
    params->innerRadius = AutoInnerRadius(params->outerRadius, params->vertexCount);
  params->rollingRadius = (float)((double)params->fixedRadius / params->vertexCount);
}
