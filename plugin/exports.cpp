// The seven exports the host calls, in the plain C calling form; each only passes on.
#include <windows.h>

#include "../resources/strings.h"
#include "../shape/create_command.h"
#include "binding.h"
#include "module.h"
#include "variant.h"

extern "C" {

DWORD MQCheckVersion(DWORD hostVersion) {
  return hostVersion >= g_variant.lowestHostVersion ? g_variant.interfaceVersion : 0;
}

void MQGetPlugInID(DWORD* first, DWORD* second) {
  *first = 0x51081A00;
  *second = 0x51081B61;
}

int MQGetPlugInType(void) { return 3; }  // a command that adds an object

const char* MQGetPlugInName(void) { return kDisplayName; }

// One command, index 0; null from index 1 on ends the host's list.
const char* MQEnumString(int index) { return index == 0 ? kMenuString : nullptr; }

BOOL MQInit(const char* path) { return BindHostFunctions(path); }

BOOL MQCreate(int index, MQDocument doc) {
  if (index != 0 || !HostFunctionsBound()) return FALSE;
  return RunCreateCommand(doc);
}

}  // extern "C"

// Stores the module handle at every attach and detach alike; never fails.
BOOL WINAPI DllMain(HINSTANCE module, DWORD, LPVOID) {
  g_moduleHandle = module;
  return TRUE;
}
