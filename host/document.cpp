#include "document.h"

#include <math.h>
#include <stdarg.h>
#include <stdio.h>

HostDocument g_document;

void ResetDocument(int32_t materialCount, int32_t currentMaterial, MQWindow window, int32_t objects,
                   int32_t failCall) {
  for (HostObject* object : g_document.created) delete object;
  g_document = HostDocument();
  g_document.materialCount = materialCount;
  g_document.currentMaterial = currentMaterial;
  g_document.window = window;
  for (int32_t i = 0; i < objects; i++) {
    g_document.created.push_back(new HostObject());
    g_document.objects.push_back(g_document.created.back());
  }
  g_document.currentObject = objects - 1;
  g_document.failCall = failCall;
}

MQDocument DocumentHandle(void) { return reinterpret_cast<MQDocument>(&g_document); }

static int32_t ObjectId(MQObject object) {
  for (size_t i = 0; i < g_document.created.size(); i++)
    if (reinterpret_cast<MQObject>(g_document.created[i]) == object) return (int32_t)i + 1;
  return 0;
}

static void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
static void Trace(const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);
  va_end(args);
  g_document.trace += line;
  g_document.trace += '\n';
}

// Counts the call; true when it is the one that is to fail.
static bool Fails(void) { return ++g_document.calls == g_document.failCall; }

static const char* DocName(MQDocument doc) { return doc == DocumentHandle() ? "doc" : "bad-doc"; }

// The nine functions the plug-in calls, exported under their own names.
extern "C" {

__declspec(dllexport) MQWindow MQAPI MQ_GetWindowHandle(void) {
  MQWindow window = Fails() ? nullptr : g_document.window;
  Trace("MQ_GetWindowHandle() -> %s", window ? "window" : "null");
  return window;
}

__declspec(dllexport) MQObject MQAPI MQ_CreateObject(void) {
  if (Fails()) {
    Trace("MQ_CreateObject() -> null");
    return nullptr;
  }
  g_document.created.push_back(new HostObject());
  Trace("MQ_CreateObject() -> obj%d", (int)g_document.created.size());
  return reinterpret_cast<MQObject>(g_document.created.back());
}

__declspec(dllexport) int32_t MQAPI MQDoc_GetCurrentMaterialIndex(MQDocument doc) {
  int32_t material = Fails() ? -1 : g_document.currentMaterial;
  Trace("MQDoc_GetCurrentMaterialIndex(%s) -> %d", DocName(doc), material);
  return material;
}

__declspec(dllexport) int32_t MQAPI MQObj_AddVertex(MQObject obj, const MQPoint* p) {
  HostObject* object = reinterpret_cast<HostObject*>(obj);
  int32_t index = Fails() ? -1 : (int32_t)object->vertices.size();
  if (index >= 0) object->vertices.push_back(*p);
  Trace("MQObj_AddVertex(obj%d, %.9g %.9g %.9g) -> %d", ObjectId(obj), p->x, p->y, p->z, index);
  return index;
}

__declspec(dllexport) int32_t MQAPI MQObj_AddFace(MQObject obj, int32_t count, const int32_t* indexes) {
  HostObject* object = reinterpret_cast<HostObject*>(obj);
  int32_t index = Fails() ? -1 : (int32_t)object->faces.size();
  HostFace face;
  std::string list;
  for (int32_t i = 0; i < count; i++) {
    face.indexes.push_back(indexes[i]);
    list += (i ? " " : "") + std::to_string(indexes[i]);
  }
  if (index >= 0) object->faces.push_back(face);
  Trace("MQObj_AddFace(obj%d, %d, [%s]) -> %d", ObjectId(obj), count, list.c_str(), index);
  return index;
}

__declspec(dllexport) void MQAPI MQObj_SetFaceMaterial(MQObject obj, int32_t face, int32_t material) {
  HostObject* object = reinterpret_cast<HostObject*>(obj);
  if (!Fails() && face >= 0 && face < (int32_t)object->faces.size()) object->faces[face].material = material;
  Trace("MQObj_SetFaceMaterial(obj%d, %d, %d)", ObjectId(obj), face, material);
}

__declspec(dllexport) int32_t MQAPI MQDoc_AddObject(MQDocument doc, MQObject obj) {
  int32_t index = -1;
  if (!Fails()) {
    g_document.objects.push_back(reinterpret_cast<HostObject*>(obj));
    index = (int32_t)g_document.objects.size() - 1;
  }
  Trace("MQDoc_AddObject(%s, obj%d) -> %d", DocName(doc), ObjectId(obj), index);
  return index;
}

__declspec(dllexport) int32_t MQAPI MQDoc_GetObjectCount(MQDocument doc) {
  int32_t count = Fails() ? -1 : (int32_t)g_document.objects.size();
  Trace("MQDoc_GetObjectCount(%s) -> %d", DocName(doc), count);
  return count;
}

__declspec(dllexport) void MQAPI MQDoc_SetCurrentObjectIndex(MQDocument doc, int32_t index) {
  if (!Fails() && index >= 0 && index < (int32_t)g_document.objects.size()) g_document.currentObject = index;
  Trace("MQDoc_SetCurrentObjectIndex(%s, %d)", DocName(doc), index);
}

}  // extern "C"

// The rest of the list: functions that exist to be found. A call is traced, so a test
// sees any call the plug-in should not make.
#define HOST_STUB_HostEntry(name) \
  extern "C" __declspec(dllexport) void MQAPI name(void) { Trace(#name "() unexpected"); }
#define HOST_STUB_MQ_GetWindowHandleProc(name)
#define HOST_STUB_MQ_CreateObjectProc(name)
#define HOST_STUB_MQDoc_GetCurrentMaterialIndexProc(name)
#define HOST_STUB_MQObj_AddVertexProc(name)
#define HOST_STUB_MQObj_AddFaceProc(name)
#define HOST_STUB_MQObj_SetFaceMaterialProc(name)
#define HOST_STUB_MQDoc_AddObjectProc(name)
#define HOST_STUB_MQDoc_GetObjectCountProc(name)
#define HOST_STUB_MQDoc_SetCurrentObjectIndexProc(name)
#define HOST_FN(name, type) HOST_STUB_##type(name)
#define HOST_FN_EN(name, type) HOST_STUB_##type(name)
#include "plugin/host_functions.inc"
#undef HOST_FN
#undef HOST_FN_EN

bool WriteDocumentObj(const char* path) {
  FILE* out = fopen(path, "w");
  if (!out) return false;
  fprintf(out, "# tavikStar substitute host: %d objects\n", (int)g_document.objects.size());
  int32_t base = 1;
  for (size_t o = 0; o < g_document.objects.size(); o++) {
    const HostObject* object = g_document.objects[o];
    fprintf(out, "o object%d\n", (int)o + 1);
    for (const MQPoint& v : object->vertices) fprintf(out, "v %.9g %.9g %.9g\n", v.x, v.y, v.z);
    int32_t material = -1;
    for (const HostFace& face : object->faces) {
      if (face.material != material && face.material >= 0) fprintf(out, "usemtl material%d\n", face.material);
      material = face.material;
      fputs(face.indexes.size() == 2 ? "l" : "f", out);
      for (int32_t i : face.indexes) fprintf(out, " %d", base + i);
      fputc('\n', out);
    }
    base += (int32_t)object->vertices.size();
  }
  return fclose(out) == 0;
}

bool WriteDocumentSvg(const char* path) {
  double bound = 1.0;
  for (const HostObject* object : g_document.objects)
    for (const MQPoint& v : object->vertices) bound = fmax(bound, fmax(fabs(v.x), fabs(v.y)));
  bound *= 1.1;
  FILE* out = fopen(path, "w");
  if (!out) return false;
  fprintf(out,
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"512\" height=\"512\" viewBox=\"%.9g %.9g %.9g %.9g\">\n"
          "<rect x=\"%.9g\" y=\"%.9g\" width=\"%.9g\" height=\"%.9g\" fill=\"white\"/>\n<g transform=\"scale(1,-1)\">\n",
          -bound, -bound, 2 * bound, 2 * bound, -bound, -bound, 2 * bound, 2 * bound);
  for (const HostObject* object : g_document.objects) {
    for (const HostFace& face : object->faces) {
      fprintf(out, "<path fill=\"%s\" stroke=\"#e0a000\" stroke-width=\"%.9g\" d=\"",
              face.indexes.size() >= 3 ? "#ffffac" : "none", bound / 300);
      for (size_t i = 0; i < face.indexes.size(); i++) {
        int32_t v = face.indexes[i];
        if (v < 0 || v >= (int32_t)object->vertices.size()) continue;
        fprintf(out, "%s%.9g %.9g ", i ? "L" : "M", object->vertices[v].x, object->vertices[v].y);
      }
      fputs("Z\"/>\n", out);
    }
  }
  fputs("</g>\n</svg>\n", out);
  return fclose(out) == 0;
}
