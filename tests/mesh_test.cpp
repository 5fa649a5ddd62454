#include <gtest/gtest.h>
#include <string.h>

#include "recording_host.h"
#include "shape/mesh.h"
#include "shape/outline.h"

RecordingHost* g_recording;

static int32_t MQAPI RecordAddVertex(MQObject, const MQPoint* p) {
  g_recording->calls.push_back({"MQObj_AddVertex", {}, *p});
  return g_recording->vertexBase + g_recording->vertices++;
}
static int32_t MQAPI RecordAddFace(MQObject, int32_t count, const int32_t* indexes) {
  g_recording->calls.push_back({"MQObj_AddFace", std::vector<int32_t>(indexes, indexes + count), {}});
  return g_recording->faceBase + g_recording->faces++;
}
static void MQAPI RecordSetFaceMaterial(MQObject, int32_t face, int32_t material) {
  g_recording->calls.push_back({"MQObj_SetFaceMaterial", {face, material}, {}});
}

void InstallRecordingHost(RecordingHost* host) {
  g_recording = host;
  g_hostFunctions.MQObj_AddVertex = RecordAddVertex;
  g_hostFunctions.MQObj_AddFace = RecordAddFace;
  g_hostFunctions.MQObj_SetFaceMaterial = RecordSetFaceMaterial;
}

// A record as the command completes it, with the point count set directly.
static StarParams Params(int32_t points, int32_t lineMode, int32_t faceMode, int32_t material) {
  StarParams p = {};
  p.shapeType = Epicycloid, p.vertexCount = 1, p.division = points;
  p.fixedRadius = 50.0f, p.lineMode = lineMode, p.faceMode = faceMode, p.materialIndex = material;
  DeriveStarParams(&p);
  return p;
}

// The calls as a compact text, e.g. "v v v f(0,3,1) m(0,2)".
static std::string Trace(const RecordingHost& host) {
  std::string out;
  for (const HostCall& c : host.calls) {
    if (!out.empty()) out += ' ';
    if (c.name == "MQObj_AddVertex") {
      out += (c.point.x == 0 && c.point.y == 0) ? "c" : "v";
      continue;
    }
    out += c.name == "MQObj_AddFace" ? (c.args.size() == 2 ? "l(" : "f(") : "m(";
    for (size_t i = 0; i < c.args.size(); i++) out += (i ? "," : "") + std::to_string(c.args[i]);
    out += ')';
  }
  return out;
}

struct MeshCase {
  const char* name;
  int32_t points, lineMode, faceMode, material;
  const char* trace;
};

TEST(BuildStarObject, CallSequence) {
  const MeshCase cases[] = {
      {"no points, line", 0, 1, 0, 3, ""},
      {"no points, face", 0, 0, 1, 3, "c"},
      {"one point, line", 1, 1, 0, 3, "v l(0,0)"},
      {"one point, face", 1, 0, 1, 3, "v c f(0,1,0) m(0,3)"},
      {"two points, line", 2, 1, 0, 3, "v v l(0,1) l(1,0)"},
      {"two points, face", 2, 0, 1, 3, "v v c f(0,2,1) m(0,3) f(1,2,0) m(1,3)"},
      {"face, no material", 2, 0, 1, -1, "v v c f(0,2,1) f(1,2,0)"},
      {"face, material 0", 2, 0, 1, 0, "v v c f(0,2,1) m(0,0) f(1,2,0) m(1,0)"},
      {"line never sets a material", 3, 1, 0, 0, "v v v l(0,1) l(1,2) l(2,0)"},
      {"neither mode: vertices only", 3, 0, 0, 3, "v v v"},
      {"both modes: line wins", 2, 1, 1, 3, "v v l(0,1) l(1,0)"},
  };
  for (const MeshCase& c : cases) {
    RecordingHost host;
    InstallRecordingHost(&host);
    StarParams p = Params(c.points, c.lineMode, c.faceMode, c.material);
    BuildStarObject(&p, nullptr);
    EXPECT_EQ(Trace(host), c.trace) << c.name;
  }
}

TEST(BuildStarObject, FiveTippedStarFan) {
  RecordingHost host;
  InstallRecordingHost(&host);
  StarParams p = {};
  p.shapeType = Star, p.vertexCount = 5, p.outerRadius = 100, p.innerRadius = 50;
  p.faceMode = 1, p.materialIndex = 2;
  DeriveStarParams(&p);
  BuildStarObject(&p, nullptr);
  ASSERT_EQ(host.vertices, 11);
  ASSERT_EQ(host.faces, 10);
  std::vector<std::vector<int32_t>> triangles;
  for (const HostCall& c : host.calls)
    if (c.name == "MQObj_AddFace") triangles.push_back(c.args);
  EXPECT_EQ(triangles.front(), (std::vector<int32_t>{0, 10, 1}));
  EXPECT_EQ(triangles.back(), (std::vector<int32_t>{9, 10, 0}));
  // Each vertex is the outline point of its index, handed over as computed.
  for (int32_t i = 0; i < 10; i++) {
    MQPoint expected = ComputeOutlinePoint(&p, i);
    EXPECT_EQ(memcmp(&host.calls[i].point, &expected, sizeof expected), 0) << "vertex " << i;
  }
}

// The centre and the face indexes are the host's answers, not the expected numbers.
TEST(BuildStarObject, UsesTheIndexesTheHostReturns) {
  RecordingHost host;
  host.vertexBase = 100, host.faceBase = 500;
  InstallRecordingHost(&host);
  StarParams p = Params(2, 0, 1, 7);
  BuildStarObject(&p, nullptr);
  EXPECT_EQ(Trace(host), "v v c f(0,102,1) m(500,7) f(1,102,0) m(501,7)");
}

// The fan turns against the outline: a counter-clockwise star gives clockwise triangles.
TEST(BuildStarObject, DefaultStarTrianglesRunClockwise) {
  RecordingHost host;
  InstallRecordingHost(&host);
  StarParams p = {};
  p.shapeType = Star, p.vertexCount = 7, p.outerRadius = 100, p.innerRadius = 50, p.faceMode = 1;
  DeriveStarParams(&p);
  BuildStarObject(&p, nullptr);
  std::vector<MQPoint> v;
  for (const HostCall& c : host.calls)
    if (c.name == "MQObj_AddVertex") v.push_back(c.point);
  for (const HostCall& c : host.calls) {
    if (c.name != "MQObj_AddFace") continue;
    const MQPoint &a = v[c.args[0]], &b = v[c.args[1]], &d = v[c.args[2]];
    double area = (b.x - a.x) * (double)(d.y - a.y) - (d.x - a.x) * (double)(b.y - a.y);
    EXPECT_LT(area, 0.0) << "triangle " << c.args[0];
  }
}
