// The record of the user's choices and their derived values, and the derivation rules.
#pragma once
#include <stdint.h>

// The six outline families. A value is the family's index in the dialog's combo box.
enum ShapeType : int32_t {
  Star = 0,
  Epicycloid = 1,
  Hypocycloid = 2,
  Epitrochoid = 3,
  Hypotrochoid = 4,
  Wave = 5,
};
const int32_t kShapeTypeCount = 6;

struct StarParams {
  int32_t shapeType;     // ShapeType confirmed with OK; -1 while the combo box has no selection
  int32_t previewType;   // combo selection the preview shows
  int32_t vertexCount;   // star tips, or arches, lobes or waves of the curve families
  int32_t division;      // points per arch, lobe or wave; Star ignores it
  float outerRadius;     // Star tips; Wave crests
  float innerRadius;     // Star inner corners; Wave troughs
  int32_t autoInner;     // 1: derive innerRadius from outerRadius
  float fixedRadius;     // fixed circle of the four curve families
  float tracerDistance;  // tracing point's distance from the rolling circle's centre
  int32_t lineMode;      // 1: closed chain of two-vertex faces
  int32_t faceMode;      // 1: fan of triangles around a centre vertex
  int32_t pointCount;    // derived: number of outline points
  float rollingRadius;   // derived: fixedRadius / vertexCount
  int32_t materialIndex; // the document's current material at the command's start; -1 none
};

// The one process-wide record, as at load: zeros, but the two radii of the dialog's defaults.
extern StarParams g_starParams;

// The single-precision pi (bit pattern 0x40490FDB); a double pi changes every result.
const float kPi = 3.14159274101257f;

// The Auto inner radius for outerRadius and vertexCount >= 1: it puts a Star's inner
// corners on the lines joining every tip to the next tip but one.
float AutoInnerRadius(float outerRadius, int32_t vertexCount);

// Completes params: pointCount, then innerRadius (only when autoInner is 1), then
// rollingRadius. Trusts what the acceptance guarantees: vertexCount >= 1 (>= 3 for Star),
// division >= 0, and a point count within kMaxPointCount.
void DeriveStarParams(StarParams* params);
