// The host modeler's functions as the plug-in calls them, and the table that holds them.
// No Windows header: the shape core includes this on every target.
#pragma once
#include <stdint.h>

// Host functions use the stdcall form on 32-bit Windows; elsewhere (x86-64) there is one
// calling convention and the keyword means nothing.
#if defined(_WIN32) && !defined(_WIN64)
#define MQAPI __stdcall
#else
#define MQAPI
#endif

// Opaque host handles: the plug-in only passes them back.
typedef struct MQDocumentTag* MQDocument;
typedef struct MQObjectTag* MQObject;
typedef void* MQWindow;  // an HWND

// Point record handed to MQObj_AddVertex: three floats x, y, z, in this order.
struct MQPoint {
  float x, y, z;
};

typedef MQWindow(MQAPI* MQ_GetWindowHandleProc)(void);
typedef MQObject(MQAPI* MQ_CreateObjectProc)(void);
typedef int32_t(MQAPI* MQDoc_GetCurrentMaterialIndexProc)(MQDocument doc);  // -1: none
typedef int32_t(MQAPI* MQObj_AddVertexProc)(MQObject obj, const MQPoint* point);
typedef int32_t(MQAPI* MQObj_AddFaceProc)(MQObject obj, int32_t count, const int32_t* indexes);
typedef void(MQAPI* MQObj_SetFaceMaterialProc)(MQObject obj, int32_t face, int32_t material);
typedef int32_t(MQAPI* MQDoc_AddObjectProc)(MQDocument doc, MQObject obj);
typedef int32_t(MQAPI* MQDoc_GetObjectCountProc)(MQDocument doc);
typedef void(MQAPI* MQDoc_SetCurrentObjectIndexProc)(MQDocument doc, int32_t index);
typedef void(MQAPI* HostEntry)(void);  // bound, never called

// The English build binds all names of the list; the Japanese build (TAVIK_JAPANESE)
// leaves out those marked English-only.
#if defined(TAVIK_JAPANESE)
#define HOST_LIST_EN(entry)
#else
#define HOST_LIST_EN(entry) entry
#endif

// One entry per name of the build's list; all null until MQInit fills them.
struct HostFunctionTable {
#define HOST_FN(name, type) type name;
#define HOST_FN_EN(name, type) HOST_LIST_EN(type name;)
#include "host_functions.inc"
#undef HOST_FN
#undef HOST_FN_EN
};

extern HostFunctionTable g_hostFunctions;
