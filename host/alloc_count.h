// Counting a module's own heap allocations: its imports of the C runtime's and the
// kernel's allocation functions are redirected to counting wrappers.
#pragma once
#include <windows.h>

// Redirects module's imports of malloc, calloc, realloc, HeapAlloc, HeapReAlloc,
// LocalAlloc, GlobalAlloc and VirtualAlloc through counters. Returns how many import
// slots were redirected.
int CountModuleAllocations(HMODULE module);

// Allocations made through the redirected imports so far.
long ModuleAllocations(void);
