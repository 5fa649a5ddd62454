// Proves that the outline and the mesh assembly allocate nothing: malloc and its kin are
// replaced by counting versions for this test program.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "shape/mesh.h"
#include "shape/outline.h"

extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
extern "C" void* __libc_memalign(size_t, size_t);

static long g_allocations;
extern "C" void* malloc(size_t n) { g_allocations++; return __libc_malloc(n); }
extern "C" void* calloc(size_t n, size_t m) { g_allocations++; return __libc_calloc(n, m); }
extern "C" void* realloc(void* p, size_t n) { g_allocations++; return __libc_realloc(p, n); }
extern "C" void* memalign(size_t a, size_t n) { g_allocations++; return __libc_memalign(a, n); }

static int32_t MQAPI AddVertex(MQObject, const MQPoint*) { return 0; }
static int32_t MQAPI AddFace(MQObject, int32_t, const int32_t*) { return 0; }
static void MQAPI SetFaceMaterial(MQObject, int32_t, int32_t) {}

TEST(Allocation, OutlineAndAssemblyAllocateNothing) {
  g_hostFunctions.MQObj_AddVertex = AddVertex;
  g_hostFunctions.MQObj_AddFace = AddFace;
  g_hostFunctions.MQObj_SetFaceMaterial = SetFaceMaterial;
  for (int32_t shape = 0; shape < kShapeTypeCount; shape++) {
    for (int32_t line = 0; line <= 1; line++) {
      StarParams p = {};
      p.shapeType = shape, p.vertexCount = 7, p.division = 64, p.outerRadius = 100;
      p.innerRadius = 50, p.autoInner = 1, p.fixedRadius = 50, p.tracerDistance = 3;
      p.lineMode = line, p.faceMode = !line, p.materialIndex = 1;
      long before = g_allocations;
      DeriveStarParams(&p);
      float sum = 0;
      for (int32_t i = 0; i < p.pointCount; i++) sum += ComputeOutlinePoint(&p, i).x;
      BuildStarObject(&p, nullptr);
      EXPECT_EQ(g_allocations - before, 0) << "shape " << shape << " line " << line << " " << sum;
    }
  }
}

TEST(Allocation, CounterSeesAllocations) {
  long before = g_allocations;
  void* volatile p = malloc(16);
  free(p);
  EXPECT_EQ(g_allocations - before, 1);
}
