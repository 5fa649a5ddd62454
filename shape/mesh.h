// Assembly of an outline into the geometry of a new host object.
#pragma once
#include "../plugin/host_api.h"
#include "star_params.h"

// Fills the new, empty object from a completed record through g_hostFunctions: one
// vertex per outline point as it is computed, then a closed chain of two-vertex faces
// (lineMode 1) or a fan of triangles around a centre vertex (faceMode 1), each triangle
// given materialIndex unless it is -1. No host result is tested; nothing is allocated.
void BuildStarObject(const StarParams* params, MQObject object);
