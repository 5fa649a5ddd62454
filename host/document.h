// The substitute host's document, behind the host functions the plug-in calls: objects
// with vertices and faces, materials, the current object and material, and a trace of
// every call in order. One document per process at a time.
#pragma once
#include <stdint.h>

#include <string>
#include <vector>

#include "plugin/host_api.h"

struct HostFace {
  std::vector<int32_t> indexes;
  int32_t material = -1;  // -1: none given
};

struct HostObject {
  std::vector<MQPoint> vertices;
  std::vector<HostFace> faces;
};

struct HostDocument {
  std::vector<HostObject*> objects;  // in document order
  int32_t currentObject = -1;
  int32_t materialCount = 0;
  int32_t currentMaterial = -1;  // -1: none
  MQWindow window = nullptr;     // what MQ_GetWindowHandle answers
  std::vector<HostObject*> created;  // every object MQ_CreateObject made, owned here
  std::string trace;                 // one line per host call
  int32_t calls = 0;                 // host calls so far
  int32_t failCall = 0;              // this call (1-based) fails: null or -1; 0 none
};

extern HostDocument g_document;

// Starts a new document: objects empty objects (the last one current), materialCount
// materials with currentMaterial current, window as the host's main window. failCall N
// makes the Nth host call fail (a null window or object, -1 for an index or count).
void ResetDocument(int32_t materialCount, int32_t currentMaterial, MQWindow window, int32_t objects,
                   int32_t failCall);

// The document's handle, as MQCreate passes it.
MQDocument DocumentHandle(void);

// Writes the document as Wavefront OBJ: an o line per object, 1-based v lines, f for
// triangles, l for two-vertex faces, usemtl where a face's material changes.
bool WriteDocumentObj(const char* path);

// Draws the document's faces and vertices as SVG, y up.
bool WriteDocumentSvg(const char* path);
