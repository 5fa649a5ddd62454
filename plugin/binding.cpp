#include "binding.h"

#include "host_api.h"

static BOOL g_hostBound;

// The entry point of name, as a plain pointer: each entry's own type is cast to below.
static void* Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(module, name));
}

BOOL BindHostFunctions(const char* path) {
  HMODULE host = LoadLibraryA(path);
  if (!host) return FALSE;
  BOOL found = FALSE;
  do {
    // Each entry is written, found or null, before the next name is looked up.
#define HOST_FN(name, type)                                                  \
  g_hostFunctions.name = reinterpret_cast<type>(Lookup(host, #name)); \
  if (!g_hostFunctions.name) break;
#define HOST_FN_EN(name, type) HOST_LIST_EN(HOST_FN(name, type))
#include "host_functions.inc"
#undef HOST_FN
#undef HOST_FN_EN
    found = TRUE;
  } while (false);
  // Only balances the load: the host's executable stays loaded, and so do the entries.
  FreeLibrary(host);
  g_hostBound = found;
  return found;
}

BOOL HostFunctionsBound(void) { return g_hostBound; }
