#include "session.h"

#include <stdarg.h>
#include <stdio.h>
#include <windows.h>
// after windows.h
#include <psapi.h>

#include "alloc_count.h"
#include "document.h"
#include "plugin/host_api.h"

typedef DWORD (*CheckVersionProc)(DWORD);
typedef void (*GetPlugInIDProc)(DWORD*, DWORD*);
typedef int (*GetPlugInTypeProc)(void);
typedef const char* (*GetPlugInNameProc)(void);
typedef const char* (*EnumStringProc)(int);
typedef BOOL (*InitProc)(const char*);
typedef BOOL (*CreateProc)(int, MQDocument);

static void Say(HostReport* report, const char* format, ...) __attribute__((format(printf, 2, 3)));
static void Say(HostReport* report, const char* format, ...) {
  char line[1024];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);
  va_end(args);
  report->text += line;
  report->text += '\n';
}

static HWND HostWindow(bool show) {
  static HWND window;
  if (!window) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "tavikStarHost";
    RegisterClassA(&wc);
    window = CreateWindowA("tavikStarHost", "tavikStar substitute host", WS_OVERLAPPEDWINDOW, 100, 100,
                           640, 480, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ShowWindow(window, show ? SW_SHOW : SW_HIDE);
  return window;
}

bool RunPluginSession(const HostOptions& options, HostReport* report) {
  *report = HostReport();
  ResetDocument(options.materialCount, options.currentMaterial,
                options.ownerWindow ? HostWindow(options.showWindow) : nullptr, options.existingObjects,
                options.failCall);
  HMODULE plugin = LoadLibraryA(options.pluginPath);
  if (!plugin) {
    Say(report, "cannot load %s", options.pluginPath);
    return false;
  }
  auto checkVersion = (CheckVersionProc)GetProcAddress(plugin, "MQCheckVersion");
  auto getId = (GetPlugInIDProc)GetProcAddress(plugin, "MQGetPlugInID");
  auto getType = (GetPlugInTypeProc)GetProcAddress(plugin, "MQGetPlugInType");
  auto getName = (GetPlugInNameProc)GetProcAddress(plugin, "MQGetPlugInName");
  auto enumString = (EnumStringProc)GetProcAddress(plugin, "MQEnumString");
  auto init = (InitProc)GetProcAddress(plugin, "MQInit");
  auto create = (CreateProc)GetProcAddress(plugin, "MQCreate");
  report->loaded = checkVersion && getId && getType && getName && enumString && init && create;
  CountModuleAllocations(plugin);
  if (!report->loaded) {
    Say(report, "%s lacks the plug-in exports", options.pluginPath);
    FreeLibrary(plugin);
    return false;
  }
  report->interfaceVersion = checkVersion(options.hostVersion);
  Say(report, "MQCheckVersion(0x%X) = 0x%X", (unsigned)options.hostVersion, (unsigned)report->interfaceVersion);
  bool ran = false;
  if (report->interfaceVersion != 0) {
    DWORD first = 0, second = 0;
    getId(&first, &second);
    Say(report, "MQGetPlugInID = 0x%08X 0x%08X", (unsigned)first, (unsigned)second);
    Say(report, "MQGetPlugInType = %d", getType());
    Say(report, "MQGetPlugInName = %s", getName());
    for (int i = 0; const char* menu = enumString(i); i++) Say(report, "MQEnumString(%d) = %s", i, menu);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    if (!options.skipInit) {
      report->initResult = init(self);
      Say(report, "MQInit = %d", report->initResult);
    }
    if (report->initResult == 1 || options.skipInit) {
      long before = ModuleAllocations();
      LARGE_INTEGER start, end, frequency;
      QueryPerformanceCounter(&start);
      report->createResult = create(options.commandIndex, DocumentHandle());
      QueryPerformanceCounter(&end);
      QueryPerformanceFrequency(&frequency);
      report->allocations = ModuleAllocations() - before;
      Say(report, "MQCreate(%d) = %d", options.commandIndex, report->createResult);
      Say(report, "MQCreate took %.3f s, the dialog included",
          (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart);
      Say(report, "plug-in heap allocations during MQCreate: %ld", report->allocations);
      ran = true;
    }
  }
  Say(report, "document: %d objects, current object %d, current material %d", (int)g_document.objects.size(),
      g_document.currentObject, g_document.currentMaterial);
  for (size_t o = 0; o < g_document.objects.size(); o++)
    Say(report, "object %d: %d vertices, %d faces", (int)o, (int)g_document.objects[o]->vertices.size(),
        (int)g_document.objects[o]->faces.size());
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory))
    Say(report, "peak working set of the host: %.1f MiB", memory.PeakWorkingSetSize / 1048576.0);
  FreeLibrary(plugin);
  return ran;
}
