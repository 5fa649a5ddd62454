#include "outline.h"

#include <math.h>

// cos and sin of a float argument, by the double library functions, rounded to float.
static float Cosf(float v) { return (float)cos((double)v); }
static float Sinf(float v) { return (float)sin((double)v); }

MQPoint ComputeOutlinePoint(const StarParams* params, int32_t i) {
  const double pi = kPi;
  int32_t twoI = 2 * i;  // exact: pointCount is at most 2^20
  float theta = (float)((twoI * pi) / params->pointCount + pi / 2.0);
  float cosTheta = Cosf(theta);
  float sinTheta = Sinf(theta);
  double R = params->fixedRadius;
  double r = params->rollingRadius;
  double d = params->tracerDistance;
  float x = 0.0f, y = 0.0f;
  switch (params->shapeType) {
    case Star: {
      double rho = (i % 2 == 0) ? params->outerRadius : params->innerRadius;
      x = (float)(rho * cosTheta);
      y = (float)(rho * sinTheta);
      return MQPoint{x, y, 0.0f};
    }
    case Epicycloid:
    case Epitrochoid: {
      float k = (float)(theta * ((R + r) / r));
      double arm = params->shapeType == Epicycloid ? r : d;
      x = (float)((R + r) * cosTheta - arm * Cosf(k));
      y = (float)((R + r) * sinTheta - arm * Sinf(k));
      return MQPoint{y, -x, 0.0f};  // a quarter-turn clockwise
    }
    case Hypocycloid:
    case Hypotrochoid: {
      float k = (float)(theta * ((R - r) / r));
      double arm = params->shapeType == Hypocycloid ? r : d;
      x = (float)((R - r) * cosTheta + arm * Cosf(k));
      y = (float)((R - r) * sinTheta - arm * Sinf(k));
      break;
    }
    case Wave: {
      double ro = params->outerRadius, ri = params->innerRadius;
      float phi = (float)(params->vertexCount * (pi / 2.0) + i * ((pi * 2.0) / params->division));
      double m = (ro + ri) / 2.0 + ((ro - ri) / 2.0) * Cosf(phi);  // not rounded on its own
      x = (float)(m * cosTheta);
      y = (float)(m * sinTheta);
      break;
    }
  }
  return MQPoint{-y, x, 0.0f};  // a quarter-turn counter-clockwise
}

double OutlineBound(const StarParams* params) {
  double ro = fabs((double)params->outerRadius), ri = fabs((double)params->innerRadius);
  double R = params->fixedRadius, r = params->rollingRadius, d = fabs((double)params->tracerDistance);
  switch (params->shapeType) {
    case Star:
    case Wave:  // the ring swings between the two radii
      return ro > ri ? ro : ri;
    case Epicycloid: return fabs(R + r) + fabs(r);
    case Epitrochoid: return fabs(R + r) + d;
    case Hypocycloid: return fabs(R - r) + fabs(r);
    case Hypotrochoid: return fabs(R - r) + d;
  }
  return 0.0;
}
