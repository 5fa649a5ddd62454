#include <gtest/gtest.h>
#include <string.h>

#include "shape/star_params.h"

static uint32_t Bits(float f) {
  uint32_t u;
  memcpy(&u, &f, 4);
  return u;
}

TEST(StarParams, PiIsTheSinglePrecisionConstant) { EXPECT_EQ(Bits(kPi), 0x40490FDBu); }

TEST(StarParams, RecordAtLoad) {
  EXPECT_EQ(g_starParams.shapeType, 0);
  EXPECT_EQ(g_starParams.vertexCount, 0);
  EXPECT_EQ(g_starParams.outerRadius, 100.0f);
  EXPECT_EQ(g_starParams.innerRadius, 50.0f);
  EXPECT_EQ(g_starParams.fixedRadius, 0.0f);
  EXPECT_EQ(g_starParams.pointCount, 0);
  EXPECT_EQ(g_starParams.materialIndex, 0);
}

struct CountCase {
  int32_t shape, vertices, division, points;
};

TEST(DeriveStarParams, PointCount) {
  const CountCase cases[] = {
      {Star, 7, 8, 14},        {Star, 3, 0, 6},         {Epicycloid, 7, 8, 56},
      {Epicycloid, 7, 0, 0},   {Hypotrochoid, 1, 1, 1}, {Wave, 3, 5, 15},
      {Wave, 1024, 1024, 1 << 20},
  };
  for (const CountCase& c : cases) {
    StarParams p = {};
    p.shapeType = c.shape, p.vertexCount = c.vertices, p.division = c.division;
    DeriveStarParams(&p);
    EXPECT_EQ(p.pointCount, c.points) << "shape " << c.shape << " n " << c.vertices << " division " << c.division;
  }
}

struct AutoCase {
  int32_t vertices;
  float expected, tolerance;
};

TEST(DeriveStarParams, AutoInnerRadiusFromOuter100) {
  const AutoCase cases[] = {
      {5, 38.196598f, 1e-5f},  {6, 57.735023f, 1e-5f},  {7, 69.202148f, 1e-5f},
      {4, -6.18e-6f, 0.01e-6f}, {3, -100.00002f, 1e-5f}, {2, 2.29e9f, 0.01e9f},
      {1, -100.0f, 0.0f},
  };
  for (const AutoCase& c : cases) {
    StarParams p = {};
    p.shapeType = Star, p.vertexCount = c.vertices, p.outerRadius = 100.0f, p.innerRadius = 50.0f;
    p.autoInner = 1;
    DeriveStarParams(&p);
    EXPECT_NEAR(p.innerRadius, c.expected, c.tolerance) << "n " << c.vertices;
  }
}

TEST(DeriveStarParams, AutoRewritesInnerForEveryFamilyAndOnlyWithAuto) {
  for (int32_t shape = 0; shape < kShapeTypeCount; shape++) {
    for (int32_t autoInner = 0; autoInner <= 1; autoInner++) {
      StarParams p = {};
      p.shapeType = shape, p.vertexCount = 7, p.division = 8, p.outerRadius = 100.0f;
      p.innerRadius = 50.0f, p.autoInner = autoInner;
      DeriveStarParams(&p);
      EXPECT_NEAR(p.innerRadius, autoInner ? 69.202148f : 50.0f, 1e-5f) << "shape " << shape;
    }
  }
}

TEST(DeriveStarParams, RollingRadiusIsTheNearestFloat) {
  StarParams p = {};
  p.shapeType = Epicycloid, p.vertexCount = 7, p.division = 8, p.fixedRadius = 50.0f;
  DeriveStarParams(&p);
  EXPECT_EQ(Bits(p.rollingRadius), Bits((float)(50.0 / 7.0)));
  EXPECT_NEAR(p.rollingRadius, 7.1428571f, 1e-6f);
  p.fixedRadius = -50.0f;
  DeriveStarParams(&p);
  EXPECT_EQ(Bits(p.rollingRadius), Bits((float)(-50.0 / 7.0)));
}

TEST(DeriveStarParams, TouchesOnlyTheDerivedFields) {
  StarParams p;
  memset(&p, 0x5A, sizeof p);
  p.shapeType = Wave, p.vertexCount = 5, p.division = 3, p.outerRadius = 100.0f;
  p.fixedRadius = 10.0f, p.autoInner = 1;
  StarParams before = p;
  DeriveStarParams(&p);
  StarParams expected = before;
  expected.pointCount = p.pointCount, expected.innerRadius = p.innerRadius;
  expected.rollingRadius = p.rollingRadius;
  EXPECT_EQ(memcmp(&p, &expected, sizeof p), 0);
  EXPECT_EQ(p.pointCount, 15);
}
