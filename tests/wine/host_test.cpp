// The built plug-in DLL of one language, end to end in the substitute host: this test
// program exports the host functions itself, loads the DLL, speaks the protocol, and
// drives the dialog through its real window.
#include <gtest/gtest.h>
#include <math.h>
#include <stdio.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "host/dialog_driver.h"
#include "host/dialog_script.h"
#include "host/document.h"
#include "host/session.h"
#include "resources/resource.h"
#include "shape/accept.h"
#include "shape/outline.h"
#include "tests/hostile_texts.h"

#if defined(TAVIK_TEST_JAPANESE)
static const char kPlugin[] = "..\\..\\dist\\ja\\tavikStar.dll";
static const char kMenu[] = "\x90\xaf\x8c\x60";  // 星形
static const char kNamePrefix[] = "tavikStar (ja 1.1)\x81\x40\x81\x40\x81\x40\x81\x40";
static const uint32_t kLowest = 0x2490, kInterface = 0x249;
#else
static const char kPlugin[] = "..\\..\\dist\\en\\tavikStar.dll";
static const char kMenu[] = "Star";
static const char kNamePrefix[] = "tavikStar (en 1.1) ";
static const uint32_t kLowest = 0x3101, kInterface = 0x311;
#endif

static std::string PluginPath() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\') + 1) + kPlugin;
}

static HostReport Session(HostOptions options, const char* script) {
  std::string path = PluginPath();
  options.pluginPath = path.c_str();
  if (script) {
    EXPECT_TRUE(ArmDialogScript(script, nullptr)) << script;
  }
  HostReport report;
  RunPluginSession(options, &report);
  if (script) {
    EXPECT_TRUE(DisarmDialogScript()) << script << ": the dialog never opened";
    EXPECT_EQ(DialogScriptError(), "") << script;
  }
  return report;
}

// The trace a command with these accepted parameters must leave, call by call.
static std::string ExpectedTrace(StarParams p, int32_t material, int32_t objects) {
  DeriveStarParams(&p);
  char line[256];
  std::string t = "MQ_GetWindowHandle() -> window\n";
  snprintf(line, sizeof line, "MQDoc_GetCurrentMaterialIndex(doc) -> %d\n", material);
  t += line;
  int obj = objects + 1;
  snprintf(line, sizeof line, "MQ_CreateObject() -> obj%d\n", obj);
  t += line;
  for (int32_t i = 0; i < p.pointCount; i++) {
    MQPoint q = ComputeOutlinePoint(&p, i);
    snprintf(line, sizeof line, "MQObj_AddVertex(obj%d, %.9g %.9g %.9g) -> %d\n", obj, q.x, q.y, q.z, i);
    t += line;
  }
  int32_t n = p.pointCount;
  if (p.lineMode) {
    for (int32_t k = 0; k < n; k++) {
      snprintf(line, sizeof line, "MQObj_AddFace(obj%d, 2, [%d %d]) -> %d\n", obj, k, (k + 1) % n, k);
      t += line;
    }
  } else {
    snprintf(line, sizeof line, "MQObj_AddVertex(obj%d, 0 0 0) -> %d\n", obj, n);
    t += line;
    for (int32_t k = 0; k < n; k++) {
      snprintf(line, sizeof line, "MQObj_AddFace(obj%d, 3, [%d %d %d]) -> %d\n", obj, k, n, (k + 1) % n, k);
      t += line;
      if (material != -1) {
        snprintf(line, sizeof line, "MQObj_SetFaceMaterial(obj%d, %d, %d)\n", obj, k, material);
        t += line;
      }
    }
  }
  snprintf(line, sizeof line, "MQDoc_AddObject(doc, obj%d) -> %d\nMQDoc_GetObjectCount(doc) -> %d\n", obj, objects,
           objects + 1);
  t += line;
  snprintf(line, sizeof line, "MQDoc_SetCurrentObjectIndex(doc, %d)\n", objects);
  return t + line;
}

static StarParams DialogDefaults() {
  StarParams p = {};
  p.shapeType = Star, p.vertexCount = 7, p.outerRadius = 100, p.innerRadius = 50, p.fixedRadius = 50;
  p.division = 8, p.tracerDistance = 3, p.faceMode = 1;
  return p;
}

// MQCreate before MQInit and for another index: FALSE, with no dialog and no host call.
TEST(Exports, CreateRefusesWithoutBindingOrForAnotherIndex) {
  HostOptions unbound;
  unbound.skipInit = true;
  ASSERT_TRUE(ArmDialogScript("cancel", nullptr));
  HostReport report = Session(unbound, nullptr);
  EXPECT_EQ(report.createResult, 0);
  EXPECT_EQ(g_document.trace, "");
  HostOptions other;
  other.commandIndex = 1;
  report = Session(other, nullptr);
  EXPECT_EQ(report.initResult, 1);
  EXPECT_EQ(report.createResult, 0);
  EXPECT_EQ(g_document.trace, "");
  EXPECT_FALSE(DisarmDialogScript()) << "a dialog opened";
}

TEST(Exports, Identification) {
  std::string path = PluginPath();
  HMODULE plugin = LoadLibraryA(path.c_str());
  ASSERT_NE(plugin, nullptr) << path;
  auto check = (DWORD(*)(DWORD))GetProcAddress(plugin, "MQCheckVersion");
  auto id = (void (*)(DWORD*, DWORD*))GetProcAddress(plugin, "MQGetPlugInID");
  auto type = (int (*)(void))GetProcAddress(plugin, "MQGetPlugInType");
  auto name = (const char* (*)(void))GetProcAddress(plugin, "MQGetPlugInName");
  auto menu = (const char* (*)(int))GetProcAddress(plugin, "MQEnumString");
  ASSERT_TRUE(check && id && type && name && menu);
  const struct { uint32_t host, answer; } versions[] = {
      {0, 0}, {0x248F, 0}, {kLowest - 1, 0}, {kLowest, kInterface}, {0xFFFFFFFF, kInterface}};
  for (const auto& v : versions) EXPECT_EQ(check(v.host), v.answer) << std::hex << v.host;
  for (int call = 0; call < 2; call++) {
    DWORD first = 0, second = 0;
    id(&first, &second);
    EXPECT_EQ(first, 0x51081A00u);
    EXPECT_EQ(second, 0x51081B61u);
  }
  EXPECT_EQ(type(), 3);
  EXPECT_STREQ(menu(0), kMenu);
  EXPECT_EQ(menu(1), nullptr);
  EXPECT_EQ(menu(-1), nullptr);
  std::string display = name();
  EXPECT_EQ(display.rfind(kNamePrefix, 0), 0u) << display;
  EXPECT_NE(display.find("Copyright (C) 2026 tavikStar authors"), std::string::npos) << display;
#if defined(TAVIK_TEST_JAPANESE)
  EXPECT_EQ(display.find("(en 1.1)"), std::string::npos);
#endif
  FreeLibrary(plugin);
}

struct CommandCase {
  const char* name;
  int32_t material, objects;
  const char* script;
  void (*change)(StarParams*);  // the accepted parameters, from the dialog's defaults
};

TEST(EndToEnd, CommandsLeaveTheExactTrace) {
  const CommandCase cases[] = {
      {"defaults with Enter", 2, 0, "enter", [](StarParams*) {}},
      {"defaults with OK, appended to an object", 0, 1, "ok", [](StarParams*) {}},
      {"no current material", -1, 0, "ok", [](StarParams*) {}},
      {"line mode", 1, 0, "click 1008; ok", [](StarParams* p) { p->lineMode = 1, p->faceMode = 0; }},
      {"curve with division 0", 0, 2, "family 1; text 1003=0; ok",
       [](StarParams* p) { p->shapeType = Epicycloid, p->division = 0; }},
      {"hypotrochoid", 0, 0, "family 4; text 1000=5; text 1010=-4; ok",
       [](StarParams* p) { p->shapeType = Hypotrochoid, p->vertexCount = 5, p->tracerDistance = -4; }},
      {"wave with auto", 0, 0, "family 5; click 1006; ok",
       [](StarParams* p) { p->shapeType = Wave, p->autoInner = 1; }},
      {"refused, then corrected", 0, 0, "text 1000=2; ok; text 1000=9; ok",
       [](StarParams* p) { p->vertexCount = 9; }},
  };
  for (const CommandCase& c : cases) {
    HostOptions options;
    options.currentMaterial = c.material;
    options.materialCount = 3;
    options.existingObjects = c.objects;
    HostReport report = Session(options, c.script);
    EXPECT_EQ(report.createResult, 1) << c.name;
    StarParams expected = DialogDefaults();
    c.change(&expected);
    EXPECT_EQ(g_document.trace, ExpectedTrace(expected, c.material, c.objects)) << c.name;
    ASSERT_EQ((int32_t)g_document.objects.size(), c.objects + 1) << c.name;
    EXPECT_EQ(g_document.currentObject, c.objects) << c.name;
  }
}

TEST(EndToEnd, DefaultsMakeAStarOf15VerticesAnd14Triangles) {
  HostOptions options;
  options.currentMaterial = 1, options.materialCount = 2;
  HostReport report = Session(options, "ok");
  ASSERT_EQ(report.createResult, 1);
  ASSERT_EQ(g_document.objects.size(), 1u);
  const HostObject* star = g_document.objects[0];
  EXPECT_EQ(star->vertices.size(), 15u);
  ASSERT_EQ(star->faces.size(), 14u);
  for (const HostFace& f : star->faces) {
    EXPECT_EQ(f.indexes.size(), 3u);
    EXPECT_EQ(f.material, 1);
  }
  EXPECT_NE(report.text.find("MQEnumString(0) = "), std::string::npos);
  EXPECT_EQ(report.allocations, 0) << "the plug-in allocated during the command";
}

TEST(EndToEnd, CancelEscapeAndCloseBoxTouchNothing) {
  const char* scripts[] = {"cancel", "escape", "close", "text 1000=5; family 3; cancel"};
  for (const char* script : scripts) {
    HostOptions options;
    options.existingObjects = 1;
    HostReport report = Session(options, script);
    EXPECT_EQ(report.createResult, 0) << script;
    EXPECT_EQ(g_document.trace, "MQ_GetWindowHandle() -> window\n") << script;
    EXPECT_EQ(g_document.objects.size(), 1u) << script;
    EXPECT_EQ(g_document.currentObject, 0) << script;
  }
}

TEST(EndToEnd, NullOwnerStillShowsTheDialog) {
  HostOptions options;
  options.ownerWindow = false;
  HostReport report = Session(options, "ok");
  EXPECT_EQ(report.createResult, 1);
  EXPECT_EQ(g_document.trace.rfind("MQ_GetWindowHandle() -> null\n", 0), 0u);
}

static DWORD WINAPI DoNothing(LPVOID) { return 0; }

// A thread attach and detach rewrite the module handle with the same value: the command
// still finds its dialog and picture under it.
TEST(EndToEnd, ThreadAttachKeepsTheModuleHandle) {
  std::string path = PluginPath();
  HMODULE plugin = LoadLibraryA(path.c_str());  // keeps the DLL loaded across the thread
  HANDLE thread = CreateThread(nullptr, 0, DoNothing, nullptr, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  HostReport report = Session(HostOptions(), "ok");
  EXPECT_EQ(report.createResult, 1);
  FreeLibrary(plugin);
}

static int32_t TraceLines(void) {
  return (int32_t)std::count(g_document.trace.begin(), g_document.trace.end(), '\n');
}

// Each host call of a command fails in turn (a null window or object, -1 for an index or
// a count). A null object ends the command with FALSE and no further call; every other
// failure is passed over, and the command runs to its end.
TEST(FaultInjection, EachHostCallFailsInTurn) {
  HostOptions options;
  options.currentMaterial = 0;
  HostReport clean = Session(options, "ok");
  ASSERT_EQ(clean.createResult, 1);
  const int32_t calls = g_document.calls;
  ASSERT_EQ(calls, 1 + 1 + 1 + 15 + 14 * 2 + 3);
  for (int32_t n = 1; n <= calls; n++) {
    options.failCall = n;
    HostReport report = Session(options, "ok");
    if (n == 3) {  // MQ_CreateObject
      EXPECT_EQ(report.createResult, 0) << "call " << n;
      EXPECT_EQ(TraceLines(), 3) << "call " << n;
      EXPECT_TRUE(g_document.objects.empty());
    } else {
      EXPECT_EQ(report.createResult, 1) << "call " << n;
      // A failed material read (-1) leaves out the 14 material calls.
      EXPECT_EQ(TraceLines(), n == 2 ? calls - 14 : calls) << "call " << n;
    }
  }
}

// One hostile text in one box of the real dialog, then OK; Cancel if OK refused it.
struct HostileAttempt {
  int box;
  int32_t family;
  const char* text;
  char seen[64];  // what the box held when OK read it
  bool refused;
};

static void TryHostileText(HWND dialog, void* context) {
  HostileAttempt* a = (HostileAttempt*)context;
  DriverPickFamily(dialog, a->family);
  DriverClick(dialog, IDC_AUTO_INNER);
  DriverSetText(dialog, a->box, a->text);
  GetDlgItemTextA(dialog, a->box, a->seen, sizeof a->seen);
  DriverClick(dialog, IDOK);
  a->refused = IsWindowVisible(dialog);
  if (a->refused) DriverClick(dialog, IDCANCEL);
}

// Every hostile text in the real dialog's integer and radius boxes (the command-line tests
// try every box): the dialog accepts exactly what the shared acceptance accepts, and only
// finite outlines within the point limit reach the host.
TEST(HostileInput, EveryBoxOfTheRealDialog) {
  const struct {
    int box;
    int32_t family;  // one that reads the box
  } boxes[] = {{IDC_VERTEX_COUNT, Star}, {IDC_FIXED_RADIUS, Epitrochoid}};  // an integer and a radius
  std::string path = PluginPath();
  HMODULE pinned = LoadLibraryA(path.c_str());  // loaded once for all the sessions
  for (const auto& b : boxes) {
    for (const char* text : kHostileTexts) {
      HostileAttempt attempt = {b.box, b.family, text, "", false};
      std::string name = std::to_string(b.box) + " \"" + text + "\"";
      DriverArm(TryHostileText, &attempt);
      HostOptions options;
      options.pluginPath = path.c_str();
      HostReport report;
      RunPluginSession(options, &report);
      // The same entry through the shared acceptance.
      const char* defaults[] = {"7", "100", "50", "50", "8", "3"};
      const int ids[] = {IDC_VERTEX_COUNT, IDC_OUTER_RADIUS, IDC_INNER_RADIUS, IDC_FIXED_RADIUS, IDC_DIVISION,
                         IDC_TRACER_DISTANCE};
      const char* texts[6];
      for (int i = 0; i < 6; i++) texts[i] = ids[i] == b.box ? attempt.seen : defaults[i];
      StarEntry entry = {b.family, texts[0], texts[1], texts[2], 1, texts[3], texts[4], texts[5], 0, 1};
      StarParams scratch = {};
      bool accepted = AcceptStarEntry(&entry, &scratch) == Accepted;
      EXPECT_EQ(report.createResult, accepted ? 1 : 0) << name;
      EXPECT_EQ(attempt.refused, !accepted) << name;
      if (report.createResult != 1) {
        EXPECT_TRUE(g_document.objects.empty()) << name;
        continue;
      }
      ASSERT_EQ(g_document.objects.size(), 1u) << name;
      const HostObject* object = g_document.objects[0];
      EXPECT_LE(object->vertices.size(), (size_t)(1 << 20) + 1) << name;
      for (const MQPoint& v : object->vertices)
        ASSERT_TRUE(isfinite(v.x) && isfinite(v.y) && v.z == 0.0f) << name;
    }
  }
  FreeLibrary(pinned);
}
