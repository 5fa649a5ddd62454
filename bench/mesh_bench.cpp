// Growth of the whole assembly: BuildStarObject into a host whose calls do nothing but
// count, at 10^3 to 10^6 points. The fit (BigO) shows the cost is linear in N.
#include <benchmark/benchmark.h>

#include "shape/mesh.h"

namespace {

int32_t g_vertices, g_faces;
int32_t MQAPI AddVertex(MQObject, const MQPoint*) { return g_vertices++; }
int32_t MQAPI AddFace(MQObject, int32_t, const int32_t*) { return g_faces++; }
void MQAPI SetFaceMaterial(MQObject, int32_t, int32_t) {}

// An epitrochoid of 1000 lobes (two cosines and two sines per point) in Face mode with a
// material: the assembly's longest path, N + 1 vertices, N triangles and N materials.
void BM_BuildStarObject(benchmark::State& state) {
  g_hostFunctions.MQObj_AddVertex = AddVertex;
  g_hostFunctions.MQObj_AddFace = AddFace;
  g_hostFunctions.MQObj_SetFaceMaterial = SetFaceMaterial;
  const int32_t points = (int32_t)state.range(0);
  StarParams p = {};
  p.shapeType = Epitrochoid, p.vertexCount = 1000, p.division = points / 1000;
  p.fixedRadius = 50.0f, p.tracerDistance = 3.0f;
  p.faceMode = 1, p.materialIndex = 0;
  DeriveStarParams(&p);
  for (auto _ : state) {
    g_vertices = 0, g_faces = 0;
    BuildStarObject(&p, nullptr);
    benchmark::DoNotOptimize(g_vertices);
  }
  state.SetComplexityN(points);
  state.SetItemsProcessed(state.iterations() * points);
  // CPU seconds over (points x 1e-9) per iteration: nanoseconds per point.
  state.counters["ns_per_point"] = benchmark::Counter(
      points * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_BuildStarObject)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
