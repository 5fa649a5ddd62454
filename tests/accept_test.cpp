#include <gtest/gtest.h>
#include <math.h>
#include <string.h>

#include <string>

#include "shape/accept.h"
#include "shape/outline.h"

struct IntCase {
  const char* text;
  int32_t value;
};

TEST(TextToInt, ReadsLikeTheDialog) {
  const IntCase cases[] = {
      {"7", 7},
      {"7.9", 7},
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {" \t\n\v\f\r-5", -5},
      {"+3", 3},
      {"+-1", 0},
      {"- 1", 0},
      {"0007", 7},
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MAX},
      {"99999999999999999999999999", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN},
      {"-99999999999999999999999999", INT32_MIN},
      {"1e3", 1},
      {"0x10", 0},
      {"\x82\x56", 0},          // full-width 7 in Shift-JIS
      {"\xef\xbc\x97", 0},      // full-width 7 in UTF-8
  };
  for (const IntCase& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << '"' << c.text << '"';
}

struct FloatCase {
  const char* text;
  float value;
};

TEST(TextToFloat, ReadsLikeTheDialog) {
  const float inf = INFINITY;
  const FloatCase cases[] = {
      {"100", 100.0f},
      {"1e2", 100.0f},
      {"2,5", 2.0f},
      {"abc", 0.0f},
      {"", 0.0f},
      {"inf", 0.0f},
      {"-infinity", 0.0f},
      {"nan", 0.0f},
      {"0x10", 0.0f},
      {"  -2.5e1x", -25.0f},
      {".5", 0.5f},
      {"5.", 5.0f},
      {".", 0.0f},
      {"-.", 0.0f},
      {"1e", 1.0f},
      {"1e+", 1.0f},
      {"1E-1", 0.1f},
      {"0.1", 0.1f},
      {"+7.25", 7.25f},
      {"1e39", inf},
      {"-1e39", -inf},
      {"1e99999", inf},
      {"1e-50", 0.0f},
      {"3.4028235e38", 3.4028235e38f},
      {"1e-40", (float)1e-40},
      // Rounded to double first, then to float: this halfway-in-double text gives 1, where a
      // direct conversion to float would round up.
      {"1.0000000596046448", 1.0f},
      {"\x82\x56", 0.0f},
  };
  for (const FloatCase& c : cases) {
    float got = TextToFloat(c.text);
    EXPECT_EQ(memcmp(&got, &c.value, 4), 0) << '"' << c.text << "\" gave " << got;
  }
}

// The dialog's defaults, as the boxes hold them at opening.
static StarEntry DefaultEntry() { return StarEntry{Star, "7", "100", "50", 0, "50", "8", "3", 0, 1}; }

// A record whose every field holds a marker, to see which ones an attempt wrote.
static StarParams Marked() {
  StarParams p;
  memset(&p, 0x7B, sizeof p);
  return p;
}

enum Field { kShape = 1, kVertices = 2, kOuter = 4, kInner = 8, kAuto = 16, kFixed = 32,
             kDivision = 64, kTracer = 128, kModes = 256 };

static int WrittenFields(const StarParams& p) {
  StarParams m = Marked();
  int fields = 0;
  if (p.shapeType != m.shapeType) fields |= kShape;
  if (p.vertexCount != m.vertexCount) fields |= kVertices;
  if (memcmp(&p.outerRadius, &m.outerRadius, 4)) fields |= kOuter;
  if (memcmp(&p.innerRadius, &m.innerRadius, 4)) fields |= kInner;
  if (p.autoInner != m.autoInner) fields |= kAuto;
  if (memcmp(&p.fixedRadius, &m.fixedRadius, 4)) fields |= kFixed;
  if (p.division != m.division) fields |= kDivision;
  if (memcmp(&p.tracerDistance, &m.tracerDistance, 4)) fields |= kTracer;
  if (p.lineMode != m.lineMode || p.faceMode != m.faceMode) fields |= kModes;
  EXPECT_EQ(memcmp(&p.previewType, &m.previewType, 4), 0);
  EXPECT_EQ(memcmp(&p.pointCount, &m.pointCount, 4), 0);
  return fields;
}

struct AcceptCase {
  const char* name;
  void (*change)(StarEntry*);
  AcceptResult result;
  int written;
};

const int kUpToDivision = kShape | kVertices | kOuter | kInner | kAuto | kFixed | kDivision;
const int kAll = kUpToDivision | kTracer | kModes;

static const std::string k63Zeros(63, '0');
static const std::string kZerosThenSeven = k63Zeros + "7";  // the 7 is the 64th character

TEST(AcceptStarEntry, StepsInOrder) {
  const AcceptCase cases[] = {
      {"defaults", [](StarEntry*) {}, Accepted, kAll},
      {"no item selected", [](StarEntry* e) { e->shapeType = -1; }, RefusedNoShape, kShape},
      {"vertices empty", [](StarEntry* e) { e->vertexCount = ""; }, RefusedVertexCountEmpty, kShape},
      {"star of 2", [](StarEntry* e) { e->vertexCount = "2"; }, RefusedVertexCountTooSmall, kShape | kVertices},
      {"star of 3", [](StarEntry* e) { e->vertexCount = "3"; }, Accepted, kAll},
      {"vertices abc", [](StarEntry* e) { e->vertexCount = "abc"; }, RefusedVertexCountTooSmall, kShape | kVertices},
      {"vertices 7.9", [](StarEntry* e) { e->vertexCount = "7.9"; }, Accepted, kAll},
      {"only 63 characters are read", [](StarEntry* e) { e->vertexCount = kZerosThenSeven.c_str(); },
       RefusedVertexCountTooSmall, kShape | kVertices},
      {"curve of 1", [](StarEntry* e) { e->shapeType = Epicycloid, e->vertexCount = "1"; }, Accepted, kAll},
      {"curve of 0", [](StarEntry* e) { e->shapeType = Epicycloid, e->vertexCount = "0"; },
       RefusedVertexCountTooSmall, kShape | kVertices},
      {"wave of -1", [](StarEntry* e) { e->shapeType = Wave, e->vertexCount = "-1"; },
       RefusedVertexCountTooSmall, kShape | kVertices},
      {"outer empty", [](StarEntry* e) { e->outerRadius = ""; }, RefusedOuterRadiusEmpty, kShape | kVertices},
      {"inner empty", [](StarEntry* e) { e->innerRadius = ""; }, RefusedInnerRadiusEmpty,
       kShape | kVertices | kOuter},
      {"fixed empty", [](StarEntry* e) { e->fixedRadius = ""; }, RefusedFixedRadiusEmpty,
       kShape | kVertices | kOuter | kInner | kAuto},
      {"division empty", [](StarEntry* e) { e->division = ""; }, RefusedDivisionEmpty, kUpToDivision & ~kDivision},
      {"division -1 under star", [](StarEntry* e) { e->division = "-1"; }, RefusedDivisionNegative, kUpToDivision},
      {"division 0", [](StarEntry* e) { e->shapeType = Hypocycloid, e->division = "0"; }, Accepted, kAll},
      {"tracer empty", [](StarEntry* e) { e->tracerDistance = ""; }, RefusedTracerDistanceEmpty, kUpToDivision},
      {"zero and negative radii", [](StarEntry* e) { e->outerRadius = "0", e->innerRadius = "-5", e->tracerDistance = "-1"; },
       Accepted, kAll},
      {"text radii give 0", [](StarEntry* e) { e->outerRadius = "abc", e->innerRadius = "inf"; }, Accepted, kAll},
      {"line", [](StarEntry* e) { e->lineMode = 1, e->faceMode = 0; }, Accepted, kAll},
      {"auto", [](StarEntry* e) { e->autoInner = 1; }, Accepted, kAll},
      // Limits beyond the dialog's own checks.
      {"star at the point limit", [](StarEntry* e) { e->vertexCount = "524288"; }, Accepted, kAll},
      {"star over the point limit", [](StarEntry* e) { e->vertexCount = "524289"; }, RefusedVertexCountTooLarge,
       kShape | kVertices},
      {"clamped star", [](StarEntry* e) { e->vertexCount = "99999999999"; }, RefusedVertexCountTooLarge,
       kShape | kVertices},
      {"curve at the point limit", [](StarEntry* e) { e->shapeType = Epitrochoid, e->vertexCount = "1024", e->division = "1024"; },
       Accepted, kAll},
      {"curve over the point limit", [](StarEntry* e) { e->shapeType = Epitrochoid, e->vertexCount = "1024", e->division = "1025"; },
       RefusedPointLimit, kUpToDivision},
      {"wave product past int32", [](StarEntry* e) { e->shapeType = Wave, e->vertexCount = "2147483647", e->division = "2147483647"; },
       RefusedPointLimit, kUpToDivision},
      {"many vertices, division 0", [](StarEntry* e) { e->shapeType = Wave, e->vertexCount = "2147483647", e->division = "0"; },
       Accepted, kAll},
      {"outer 1e39", [](StarEntry* e) { e->outerRadius = "1e39"; }, RefusedOuterRadiusInfinite, kShape | kVertices | kOuter},
      {"inner -1e39", [](StarEntry* e) { e->innerRadius = "-1e39"; }, RefusedInnerRadiusInfinite,
       kShape | kVertices | kOuter | kInner},
      {"fixed 1e39 under star", [](StarEntry* e) { e->fixedRadius = "1e39"; }, RefusedFixedRadiusInfinite,
       kUpToDivision & ~kDivision},
      {"tracer 1e39", [](StarEntry* e) { e->tracerDistance = "1e39"; }, RefusedTracerDistanceInfinite, kUpToDivision | kTracer},
      {"auto inner overflows", [](StarEntry* e) { e->shapeType = Wave, e->vertexCount = "2", e->outerRadius = "3e38", e->autoInner = 1; },
       RefusedAutoInnerInfinite, kShape | kVertices | kOuter | kInner | kAuto},
      {"fixed 0 under a curve", [](StarEntry* e) { e->shapeType = Epicycloid, e->fixedRadius = "0"; },
       RefusedRollingRadiusZero, kUpToDivision & ~kDivision},
      {"rolling radius underflows", [](StarEntry* e) { e->shapeType = Hypotrochoid, e->fixedRadius = "1e-45"; },
       RefusedRollingRadiusZero, kUpToDivision & ~kDivision},
      {"tiny rolling radius", [](StarEntry* e) { e->shapeType = Hypotrochoid, e->vertexCount = "1", e->fixedRadius = "1e-45"; },
       Accepted, kAll},
      {"fixed 0 under star", [](StarEntry* e) { e->fixedRadius = "0"; }, Accepted, kAll},
      {"fixed 0 under wave", [](StarEntry* e) { e->shapeType = Wave, e->fixedRadius = "0"; }, Accepted, kAll},
      {"epicycloid past float", [](StarEntry* e) { e->shapeType = Epicycloid, e->vertexCount = "1", e->fixedRadius = "3e38"; },
       RefusedOutlineInfinite, kUpToDivision | kTracer},
      {"epitrochoid past float", [](StarEntry* e) { e->shapeType = Epitrochoid, e->vertexCount = "1", e->fixedRadius = "1e38", e->tracerDistance = "3e38"; },
       RefusedOutlineInfinite, kUpToDivision | kTracer},
      {"large but finite", [](StarEntry* e) { e->shapeType = Hypotrochoid, e->vertexCount = "1", e->fixedRadius = "3e38", e->tracerDistance = "3e38"; },
       Accepted, kAll},
  };
  for (const AcceptCase& c : cases) {
    StarEntry entry = DefaultEntry();
    c.change(&entry);
    StarParams p = Marked();
    EXPECT_EQ(AcceptStarEntry(&entry, &p), c.result) << c.name;
    EXPECT_EQ(WrittenFields(p), c.written) << c.name;
  }
}

TEST(AcceptStarEntry, DefaultsGiveTheDialogsRecord) {
  StarEntry entry = DefaultEntry();
  StarParams p = Marked();
  ASSERT_EQ(AcceptStarEntry(&entry, &p), Accepted);
  EXPECT_EQ(p.shapeType, 0);
  EXPECT_EQ(p.vertexCount, 7);
  EXPECT_EQ(p.outerRadius, 100.0f);
  EXPECT_EQ(p.innerRadius, 50.0f);
  EXPECT_EQ(p.autoInner, 0);
  EXPECT_EQ(p.fixedRadius, 50.0f);
  EXPECT_EQ(p.division, 8);
  EXPECT_EQ(p.tracerDistance, 3.0f);
  EXPECT_EQ(p.lineMode, 0);
  EXPECT_EQ(p.faceMode, 1);
}

// Whatever is accepted derives a finite outline within the point limit.
TEST(AcceptStarEntry, AcceptedOutlinesAreFinite) {
  const char* radii[] = {"0", "-3", "1e-45", "7", "1e20", "3.4e38", "-3.4e38"};
  const char* counts[] = {"1", "2", "3", "7", "1000"};
  for (int32_t shape = 0; shape < kShapeTypeCount; shape++)
    for (const char* n : counts)
      for (const char* a : radii)
        for (const char* b : radii)
          for (int32_t autoInner = 0; autoInner <= 1; autoInner++) {
            StarEntry e = {shape, n, a, b, autoInner, a, "3", b, 0, 1};
            StarParams p = {};
            if (AcceptStarEntry(&e, &p) != Accepted) continue;
            DeriveStarParams(&p);
            ASSERT_LE(p.pointCount, kMaxPointCount);
            for (int32_t i = 0; i < p.pointCount; i++) {
              MQPoint q = ComputeOutlinePoint(&p, i);
              ASSERT_TRUE(isfinite(q.x) && isfinite(q.y))
                  << "shape " << shape << " n " << n << " radii " << a << ", " << b << " auto " << autoInner;
            }
          }
}
