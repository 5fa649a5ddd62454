// A host table that records every call the core makes, for the mesh and command tests.
#pragma once
#include <stdint.h>

#include <string>
#include <vector>

#include "plugin/host_api.h"

struct HostCall {
  std::string name;
  std::vector<int32_t> args;  // indexes, counts and materials, in call order
  MQPoint point;              // MQObj_AddVertex only
};

struct RecordingHost {
  std::vector<HostCall> calls;
  int32_t vertexBase = 0;  // what the host returns for vertex i: vertexBase + i
  int32_t faceBase = 0;
  int32_t vertices = 0, faces = 0;
};

extern RecordingHost* g_recording;

// Points g_hostFunctions's object calls at a fresh recording.
void InstallRecordingHost(RecordingHost* host);
