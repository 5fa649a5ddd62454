// The substitute host's side of the plug-in protocol: load a plug-in DLL, ask what it is,
// start it with this program's own path, and run its command on the document.
#pragma once
#include <stdint.h>

#include <string>

struct HostOptions {
  const char* pluginPath = nullptr;
  uint32_t hostVersion = 0x3101;  // accepted by both builds
  int32_t commandIndex = 0;
  int32_t materialCount = 1;
  int32_t currentMaterial = 0;  // -1: no current material
  int32_t existingObjects = 0;  // empty objects the document holds before the command
  bool skipInit = false;        // call MQCreate without MQInit
  int32_t failCall = 0;         // the Nth host call fails (see ResetDocument)
  bool ownerWindow = true;      // false: MQ_GetWindowHandle answers null
  bool showWindow = false;      // show the host's main window (interactive use)
};

struct HostReport {
  std::string text;                // what the host learned, one fact per line
  bool loaded = false;             // the DLL loaded and has the seven exports
  uint32_t interfaceVersion = 0;   // MQCheckVersion's answer; 0 declines the host
  int32_t initResult = -1;         // MQInit's result; -1 when not called
  int32_t createResult = -1;       // MQCreate's result; -1 when not called
  long allocations = 0;            // the plug-in's own heap allocations during MQCreate
};

// Runs the protocol once on a fresh document (see document.h): MQCheckVersion, the
// identifiers, type, name and menu strings, MQInit with this program's path, then
// MQCreate(commandIndex, document) when the host was accepted and bound (or skipInit). Anything armed
// to act on the dialog must be armed before the call. The DLL is released at the end.
// True when the protocol ran to MQCreate.
bool RunPluginSession(const HostOptions& options, HostReport* report);
