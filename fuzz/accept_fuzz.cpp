// libFuzzer target over the path an OK takes: the acceptance of the six box texts, the
// derivation, and every outline point through the mesh assembly into a checking host.
//
// Input format, chosen so that corpus files stay readable: lines separated by '\n'.
//   line 0: two characters. The first picks the family: '0'..'5' a ShapeType, '6' a value
//           out of range, '7' no selection (other bytes wrap around modulo 8). The second
//           is a bit set over '0': 1 Auto, 2 Line mode, 4 Face mode.
//   lines 1-6: the texts of the boxes vertexCount, outerRadius, innerRadius, fixedRadius,
//           division, tracerDistance. A missing line is an empty box; a NUL ends a text.
//
// Invariant: whatever is accepted derives at most kMaxPointCount points, every vertex the
// host receives has finite x and y and z 0, and every face names vertices already added.
// A breach aborts, which libFuzzer reports as a crash.
#include <math.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "shape/accept.h"
#include "shape/mesh.h"
#include "shape/outline.h"

static int32_t g_vertices;
static int32_t g_faces;

[[noreturn]] static void Breach(const char* what, long long a, long long b) {
  fprintf(stderr, "invariant broken: %s (%lld, %lld)\n", what, a, b);
  abort();
}

static int32_t MQAPI CheckVertex(MQObject, const MQPoint* p) {
  if (!isfinite(p->x) || !isfinite(p->y) || p->z != 0.0f) Breach("vertex not finite in the plane", g_vertices, 0);
  return g_vertices++;
}
static int32_t MQAPI CheckFace(MQObject, int32_t count, const int32_t* indexes) {
  if (count != 2 && count != 3) Breach("face vertex count", count, 0);
  for (int32_t j = 0; j < count; j++)
    if (indexes[j] < 0 || indexes[j] >= g_vertices) Breach("face names a missing vertex", indexes[j], g_vertices);
  return g_faces++;
}
static void MQAPI CheckFaceMaterial(MQObject, int32_t face, int32_t) {
  if (face != g_faces - 1) Breach("material for another face", face, g_faces);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string lines[7];
  size_t line = 0;
  for (size_t j = 0; j < size && line < 7; j++) {
    if (data[j] == '\n') line++;
    else lines[line] += (char)data[j];
  }
  uint8_t familyByte = lines[0].size() > 0 ? (uint8_t)lines[0][0] : '0';
  uint8_t flagByte = lines[0].size() > 1 ? (uint8_t)lines[0][1] : '0';
  int32_t family = (uint8_t)(familyByte - '0') % 8;
  if (family == 7) family = -1;
  int32_t flags = (uint8_t)(flagByte - '0');

  StarEntry entry = {family,          lines[1].c_str(), lines[2].c_str(), lines[3].c_str(), flags & 1,
                     lines[4].c_str(), lines[5].c_str(), lines[6].c_str(), (flags >> 1) & 1, (flags >> 2) & 1};
  StarParams params = {};
  if (AcceptStarEntry(&entry, &params) != Accepted) return 0;

  DeriveStarParams(&params);
  int64_t expected = params.shapeType == Star ? 2 * (int64_t)params.vertexCount
                                              : (int64_t)params.vertexCount * params.division;
  if (params.pointCount != expected) Breach("point count is not the product", params.pointCount, expected);
  if (params.pointCount < 0 || params.pointCount > kMaxPointCount) Breach("point count out of range", params.pointCount, 0);

  params.materialIndex = 0;
  g_hostFunctions.MQObj_AddVertex = CheckVertex;
  g_hostFunctions.MQObj_AddFace = CheckFace;
  g_hostFunctions.MQObj_SetFaceMaterial = CheckFaceMaterial;
  g_vertices = 0, g_faces = 0;
  BuildStarObject(&params, nullptr);
  int32_t centre = params.lineMode != 1 && params.faceMode == 1;
  if (g_vertices != params.pointCount + centre) Breach("vertex count", g_vertices, params.pointCount);
  int32_t faces = params.lineMode == 1 || params.faceMode == 1 ? params.pointCount : 0;
  if (g_faces != faces) Breach("face count", g_faces, faces);
  return 0;
}
