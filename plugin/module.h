// The plug-in's own module handle, stored by DllMain; the dialog template and the
// picture strip are found under it.
#pragma once
#include <windows.h>

extern HINSTANCE g_moduleHandle;
