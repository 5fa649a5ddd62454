#include "alloc_count.h"

#include <stdlib.h>
#include <string.h>

static long g_allocations;

static void* __cdecl CountMalloc(size_t n) { g_allocations++; return malloc(n); }
static void* __cdecl CountCalloc(size_t n, size_t m) { g_allocations++; return calloc(n, m); }
static void* __cdecl CountRealloc(void* p, size_t n) { g_allocations++; return realloc(p, n); }
static LPVOID WINAPI CountHeapAlloc(HANDLE h, DWORD f, SIZE_T n) { g_allocations++; return HeapAlloc(h, f, n); }
static LPVOID WINAPI CountHeapReAlloc(HANDLE h, DWORD f, LPVOID p, SIZE_T n) {
  g_allocations++;
  return HeapReAlloc(h, f, p, n);
}
static HLOCAL WINAPI CountLocalAlloc(UINT f, SIZE_T n) { g_allocations++; return LocalAlloc(f, n); }
static HGLOBAL WINAPI CountGlobalAlloc(UINT f, SIZE_T n) { g_allocations++; return GlobalAlloc(f, n); }
static LPVOID WINAPI CountVirtualAlloc(LPVOID p, SIZE_T n, DWORD t, DWORD f) {
  g_allocations++;
  return VirtualAlloc(p, n, t, f);
}

static const struct {
  const char* name;
  void* wrapper;
} kWrappers[] = {
    {"malloc", (void*)CountMalloc},           {"calloc", (void*)CountCalloc},
    {"realloc", (void*)CountRealloc},         {"HeapAlloc", (void*)CountHeapAlloc},
    {"HeapReAlloc", (void*)CountHeapReAlloc}, {"LocalAlloc", (void*)CountLocalAlloc},
    {"GlobalAlloc", (void*)CountGlobalAlloc}, {"VirtualAlloc", (void*)CountVirtualAlloc},
};

int CountModuleAllocations(HMODULE module) {
  BYTE* base = (BYTE*)module;
  IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + ((IMAGE_DOS_HEADER*)base)->e_lfanew);
  IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  int redirected = 0;
  for (IMAGE_IMPORT_DESCRIPTOR* d = (IMAGE_IMPORT_DESCRIPTOR*)(base + dir.VirtualAddress); dir.Size && d->Name; d++) {
    IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(base + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
    IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + d->FirstThunk);
    for (; names->u1.AddressOfData; names++, slots++) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const char* name = (const char*)((IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData))->Name;
      for (const auto& w : kWrappers) {
        if (strcmp(name, w.name)) continue;
        DWORD old;
        VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
        slots->u1.Function = (ULONG_PTR)w.wrapper;
        VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
        redirected++;
      }
    }
  }
  return redirected;
}

long ModuleAllocations(void) { return g_allocations; }
