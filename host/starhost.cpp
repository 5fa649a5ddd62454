// starhost: a substitute host modeler. It loads a tavikStar plug-in DLL, speaks the
// host's protocol to it, runs its command on a little document, and writes what came of
// it. With a display a person uses the dialog; with --dialog a script drives it.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "dialog_script.h"
#include "document.h"
#include "session.h"

static const char kUsage[] =
    "usage: starhost PLUGIN.dll [--host-version N] [--command N] [--material N|-1]\n"
    "                [--materials N] [--objects N] [--no-owner] [--dialog SCRIPT]\n"
    "                [--screenshot FILE.png] [--obj FILE] [--svg FILE] [--trace FILE]\n"
    "                [--fail-call N]\n"
    "  --dialog SCRIPT  acts on the dialog instead of a person, e.g.\n"
    "                   \"family 2; text 1003=0; click 1008; ok\" (see dialog_script.h)\n"
    "  --screenshot     saves the dialog as it opens, before the script acts\n"
    "  --fail-call N    the Nth host call fails: a null window or object, -1 indexes\n"
    "Without --dialog the dialog waits for a person.\n";

static bool WriteText(const char* path, const std::string& text) {
  FILE* out = fopen(path, "wb");
  if (!out) return false;
  fwrite(text.data(), 1, text.size(), out);
  return fclose(out) == 0;
}

int main(int argc, char** argv) {
  HostOptions options;
  const char* script = nullptr;
  const char* screenshot = nullptr;
  const char *objPath = nullptr, *svgPath = nullptr, *tracePath = nullptr;
  for (int a = 1; a < argc; a++) {
    const char* arg = argv[a];
    const char* value = a + 1 < argc ? argv[a + 1] : nullptr;
    bool takesValue = true;
    if (!strcmp(arg, "--help")) {
      fputs(kUsage, stdout);
      return 0;
    } else if (!strcmp(arg, "--no-owner")) {
      options.ownerWindow = false, takesValue = false;
    } else if (!value && arg[0] == '-') {
      fputs(kUsage, stderr);
      return 2;
    } else if (!strcmp(arg, "--host-version")) {
      options.hostVersion = (uint32_t)strtoul(value, nullptr, 0);
    } else if (!strcmp(arg, "--command")) {
      options.commandIndex = atoi(value);
    } else if (!strcmp(arg, "--material")) {
      options.currentMaterial = atoi(value);
      if (options.materialCount <= options.currentMaterial) options.materialCount = options.currentMaterial + 1;
    } else if (!strcmp(arg, "--materials")) {
      options.materialCount = atoi(value);
    } else if (!strcmp(arg, "--objects")) {
      options.existingObjects = atoi(value);
    } else if (!strcmp(arg, "--fail-call")) {
      options.failCall = atoi(value);
    } else if (!strcmp(arg, "--dialog")) {
      script = value;
    } else if (!strcmp(arg, "--screenshot")) {
      screenshot = value;
    } else if (!strcmp(arg, "--obj")) {
      objPath = value;
    } else if (!strcmp(arg, "--svg")) {
      svgPath = value;
    } else if (!strcmp(arg, "--trace")) {
      tracePath = value;
    } else if (arg[0] != '-' && !options.pluginPath) {
      options.pluginPath = arg, takesValue = false;
    } else {
      fputs(kUsage, stderr);
      return 2;
    }
    if (takesValue) a++;
  }
  if (!options.pluginPath) {
    fputs(kUsage, stderr);
    return 2;
  }
  options.showWindow = !script;
  if (script || screenshot) {
    if (!ArmDialogScript(script ? script : "", screenshot)) {
      fprintf(stderr, "starhost: cannot read the dialog script \"%s\"\n", script);
      return 2;
    }
  }
  HostReport report;
  bool ran = RunPluginSession(options, &report);
  fputs(report.text.c_str(), stdout);
  std::string scriptError = DialogScriptError();
  if (!scriptError.empty()) fprintf(stderr, "starhost: dialog script: %s\n", scriptError.c_str());
  bool written = (!objPath || WriteDocumentObj(objPath)) && (!svgPath || WriteDocumentSvg(svgPath)) &&
                 (!tracePath || WriteText(tracePath, g_document.trace));
  if (!written) fprintf(stderr, "starhost: cannot write the output files\n");
  return ran && written && scriptError.empty() ? 0 : 1;
}
