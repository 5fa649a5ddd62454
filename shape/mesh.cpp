#include "mesh.h"

#include "outline.h"

void BuildStarObject(const StarParams* params, MQObject object) {
  const HostFunctionTable& host = g_hostFunctions;
  int32_t count = params->pointCount;
  for (int32_t i = 0; i < count; i++) {
    MQPoint point = ComputeOutlinePoint(params, i);
    host.MQObj_AddVertex(object, &point);  // vertex i, in a fresh object
  }
  if (params->lineMode == 1) {
    for (int32_t k = 0; k < count; k++) {
      int32_t indexes[2] = {k, k + 1 < count ? k + 1 : 0};
      host.MQObj_AddFace(object, 2, indexes);
    }
  } else if (params->faceMode == 1) {
    MQPoint origin = {0.0f, 0.0f, 0.0f};
    int32_t centre = host.MQObj_AddVertex(object, &origin);
    for (int32_t k = 0; k < count; k++) {
      int32_t indexes[3] = {k, centre, k + 1 < count ? k + 1 : 0};
      int32_t face = host.MQObj_AddFace(object, 3, indexes);
      if (params->materialIndex != -1) host.MQObj_SetFaceMaterial(object, face, params->materialIndex);
    }
  }
}
