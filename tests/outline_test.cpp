#include <gtest/gtest.h>
#include <math.h>
#include <string.h>

#include "shape/outline.h"
#include "worked_values.h"

// The dialog's defaults: n 7, division 8, Ro 100, Ri 50, R 50, d 3, Auto off.
static StarParams Defaults(int32_t shape) {
  StarParams p = {};
  p.shapeType = shape, p.vertexCount = 7, p.division = 8, p.outerRadius = 100.0f;
  p.innerRadius = 50.0f, p.fixedRadius = 50.0f, p.tracerDistance = 3.0f;
  return p;
}

static StarParams Completed(StarParams p) {
  DeriveStarParams(&p);
  return p;
}

static StarParams With(StarParams p, void (*change)(StarParams*)) {
  change(&p);
  return p;
}

TEST(ComputeOutlinePoint, WorkedValues) {
  for (const WorkedValue& c : kWorkedValues) {
    StarParams p = Defaults(c.shape);
    p.autoInner = c.autoInner, p.outerRadius = c.outerRadius, p.fixedRadius = c.fixedRadius;
    p = Completed(p);
    MQPoint q = ComputeOutlinePoint(&p, c.index);
    EXPECT_NEAR(q.x, c.x, 5e-5) << '"' << c.options << "\" point " << c.index;
    EXPECT_NEAR(q.y, c.y, 5e-5) << '"' << c.options << "\" point " << c.index;
    EXPECT_EQ(q.z, 0.0f) << c.options;
  }
}

TEST(ComputeOutlinePoint, StarTipIsOffAxisByTheFloatPi) {
  // cos of the float pi/2 is about -4.37e-8, not 0: the exact product shows through.
  StarParams p = Completed(Defaults(Star));
  MQPoint q = ComputeOutlinePoint(&p, 0);
  float theta = (float)((double)kPi / 2.0);
  EXPECT_EQ(q.x, (float)(100.0 * (double)(float)cos((double)theta)));
  EXPECT_NE(q.x, 0.0f);
}

// With an even point count, the mirror image of every point about Y is a point too.
TEST(ComputeOutlinePoint, MirrorSymmetricAboutY) {
  for (int32_t shape = 0; shape < kShapeTypeCount; shape++) {
    StarParams p = Completed(Defaults(shape));
    for (int32_t i = 0; i < p.pointCount; i++) {
      MQPoint a = ComputeOutlinePoint(&p, i);
      double nearest = INFINITY;
      for (int32_t j = 0; j < p.pointCount; j++) {
        MQPoint b = ComputeOutlinePoint(&p, j);
        nearest = fmin(nearest, hypot(a.x + b.x, a.y - b.y));
      }
      ASSERT_LT(nearest, 1e-3) << "shape " << shape << " point " << i;
    }
  }
}

// The trochoid with d = r is the cycloid, point for point and bit for bit.
TEST(ComputeOutlinePoint, TrochoidWithTracerOnTheRimIsTheCycloid) {
  const int32_t pairs[][2] = {{Epitrochoid, Epicycloid}, {Hypotrochoid, Hypocycloid}};
  for (const auto& pair : pairs) {
    StarParams t = Completed(Defaults(pair[0])), c = Completed(Defaults(pair[1]));
    t.tracerDistance = t.rollingRadius;
    for (int32_t i = 0; i < t.pointCount; i++) {
      MQPoint a = ComputeOutlinePoint(&t, i), b = ComputeOutlinePoint(&c, i);
      ASSERT_EQ(memcmp(&a, &b, sizeof a), 0) << "family " << pair[0] << " point " << i;
    }
  }
}

struct RadiusCase {
  const char* name;
  StarParams params;
  double radius;  // every point lies at this distance from the centre
};

TEST(ComputeOutlinePoint, DegenerateCurvesLieOnACircle) {
  const RadiusCase cases[] = {
      {"epitrochoid d 0", With(Defaults(Epitrochoid), [](StarParams* p) { p->tracerDistance = 0; }), 50.0 + 50.0 / 7},
      {"hypotrochoid d 0", With(Defaults(Hypotrochoid), [](StarParams* p) { p->tracerDistance = 0; }), 50.0 - 50.0 / 7},
      {"wave division 1, n 7", With(Defaults(Wave), [](StarParams* p) { p->division = 1; }), 75.0},
      {"wave division 1, n 4", With(Defaults(Wave), [](StarParams* p) { p->division = 1, p->vertexCount = 4; }), 100.0},
      {"hypocycloid n 1", With(Defaults(Hypocycloid), [](StarParams* p) { p->vertexCount = 1; }), 50.0},
      {"hypotrochoid n 1", With(Defaults(Hypotrochoid), [](StarParams* p) { p->vertexCount = 1; }), 3.0},
  };
  for (const RadiusCase& c : cases) {
    StarParams p = Completed(c.params);
    ASSERT_GT(p.pointCount, 0) << c.name;
    for (int32_t i = 0; i < p.pointCount; i++) {
      MQPoint q = ComputeOutlinePoint(&p, i);
      ASSERT_NEAR(hypot(q.x, q.y), c.radius, 1e-3) << c.name << " point " << i;
    }
  }
}

TEST(ComputeOutlinePoint, CollapsedHypocurves) {
  // n 1: every point is (0, R), or (0, d) for the trochoid.
  StarParams p = Completed(With(Defaults(Hypocycloid), [](StarParams* p) { p->vertexCount = 1; }));
  for (int32_t i = 0; i < p.pointCount; i++) {
    MQPoint q = ComputeOutlinePoint(&p, i);
    EXPECT_NEAR(q.x, 0.0, 1e-4) << i;
    EXPECT_NEAR(q.y, 50.0, 1e-4) << i;
  }
  // n 2: a segment on the Y axis from the centre down to (0, -R) and up to (0, R).
  p = Completed(With(Defaults(Hypocycloid), [](StarParams* p) { p->vertexCount = 2; }));
  double low = 0, high = 0;
  for (int32_t i = 0; i < p.pointCount; i++) {
    MQPoint q = ComputeOutlinePoint(&p, i);
    EXPECT_NEAR(q.x, 0.0, 1e-4) << i;
    low = fmin(low, q.y), high = fmax(high, q.y);
  }
  EXPECT_NEAR(ComputeOutlinePoint(&p, 0).y, 0.0, 1e-4);
  EXPECT_NEAR(ComputeOutlinePoint(&p, p.pointCount / 4).y, -50.0, 1e-4);
  EXPECT_NEAR(low, -50.0, 1e-4);
  EXPECT_NEAR(high, 50.0, 1e-4);
}

TEST(ComputeOutlinePoint, HypotrochoidTwoIsAnEllipse) {
  StarParams p = Completed(With(Defaults(Hypotrochoid), [](StarParams* p) { p->vertexCount = 2; }));
  double ax = fabs(p.rollingRadius - p.tracerDistance), ay = p.rollingRadius + p.tracerDistance;
  for (int32_t i = 0; i < p.pointCount; i++) {
    MQPoint q = ComputeOutlinePoint(&p, i);
    EXPECT_NEAR((q.x / ax) * (q.x / ax) + (q.y / ay) * (q.y / ay), 1.0, 1e-4) << i;
  }
}

// Where the outline advances counter-clockwise at every step.
TEST(ComputeOutlinePoint, CounterClockwiseFamilies) {
  StarParams cases[] = {Defaults(Star), Defaults(Wave), Defaults(Epicycloid), Defaults(Hypocycloid),
                        With(Defaults(Hypocycloid), [](StarParams* p) { p->vertexCount = 3; })};
  for (StarParams& c : cases) {
    StarParams p = Completed(c);
    for (int32_t i = 0; i < p.pointCount; i++) {
      MQPoint a = ComputeOutlinePoint(&p, i), b = ComputeOutlinePoint(&p, (i + 1) % p.pointCount);
      ASSERT_GT((double)a.x * b.y - (double)a.y * b.x, 0.0) << "family " << p.shapeType << " step " << i;
    }
  }
}

TEST(OutlineBound, CoversEveryPoint) {
  for (int32_t shape = 0; shape < kShapeTypeCount; shape++) {
    StarParams p = Completed(Defaults(shape));
    double bound = OutlineBound(&p);
    for (int32_t i = 0; i < p.pointCount; i++) {
      MQPoint q = ComputeOutlinePoint(&p, i);
      ASSERT_LE(fabs(q.x), bound * (1 + 1e-6)) << shape;  // the float may round up past it
      ASSERT_LE(fabs(q.y), bound * (1 + 1e-6)) << shape;
    }
  }
}
