// Binding the host's exported functions by name into g_hostFunctions.
#pragma once
#include <windows.h>

// Loads the module at path (the host's executable) and looks up every name of the
// build's list in order, storing each result in its entry; stops at the first miss.
// Releases the module again on success and after a miss. TRUE when all were found.
// A path that loads nothing returns FALSE with the table untouched.
BOOL BindHostFunctions(const char* path);

// TRUE while the last BindHostFunctions succeeded: the create command runs only then.
BOOL HostFunctionsBound(void);
