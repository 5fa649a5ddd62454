#include "dialog_script.h"

#include <stdlib.h>
#include <string.h>

#include <vector>

#include "dialog_driver.h"

enum StepKind { StepText, StepFamily, StepType, StepClick, StepEnter, StepEscape, StepClose, StepShot };

struct Step {
  StepKind kind;
  int id;
  std::string text;
};

static std::vector<Step> g_steps;
static std::string g_screenshot;
static std::string g_error;
static bool g_opened;

static std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

static bool ParseStep(const std::string& source, Step* step) {
  std::string word = source.substr(0, source.find(' '));
  std::string rest = Trim(source.substr(word.size()));
  char* end = nullptr;
  if (word == "ok" || word == "cancel") {
    *step = Step{StepClick, word == "ok" ? 1 : 2, ""};
    return rest.empty();
  }
  if (word == "enter" || word == "escape" || word == "close") {
    *step = Step{word == "enter" ? StepEnter : word == "escape" ? StepEscape : StepClose, 0, ""};
    return rest.empty();
  }
  if (word == "type" || word == "shot") {
    *step = Step{word == "type" ? StepType : StepShot, 0, rest};
    return word == "type" || !rest.empty();
  }
  if (word == "family" || word == "click") {
    step->kind = word == "family" ? StepFamily : StepClick;
    step->id = (int)strtol(rest.c_str(), &end, 10);
    return !rest.empty() && *end == '\0';
  }
  if (word == "text") {
    size_t equals = rest.find('=');
    if (equals == std::string::npos) return false;
    std::string id = rest.substr(0, equals);
    step->kind = StepText;
    step->id = (int)strtol(id.c_str(), &end, 10);
    step->text = rest.substr(equals + 1);
    return *end == '\0' && equals > 0;
  }
  return false;
}

static bool RunStep(HWND dialog, const Step& step) {
  switch (step.kind) {
    case StepText: return DriverSetText(dialog, step.id, step.text.c_str());
    case StepFamily: return DriverPickFamily(dialog, step.id);
    case StepType: return DriverTypeIntoCombo(dialog, step.text.c_str());
    case StepClick: return DriverClick(dialog, step.id);
    case StepEnter: return DriverPressKey(dialog, VK_RETURN);
    case StepEscape: return DriverPressKey(dialog, VK_ESCAPE);
    case StepClose: return DriverCloseBox(dialog);
    case StepShot: return DriverSavePng(dialog, step.text.c_str());
  }
  return false;
}

static HWND g_dialog;
static size_t g_next;     // the step the next tick runs
static UINT_PTR g_timer;  // the thread timer of the next tick, or 0

// An ended dialog is hidden at once, and destroyed when its modal loop returns.
static bool DialogOpen(void) { return IsWindow(g_dialog) && IsWindowVisible(g_dialog); }

// One step per tick of a thread timer, so that the dialog's modal loop handles what a
// step posted (keys, WM_CLOSE) before the next step runs. After the last step one more
// tick checks that the script ended the dialog, and closes it if not.
static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, g_timer);
  g_timer = 0;
  if (!DialogOpen()) {
    if (g_next < g_steps.size() && g_error.empty())
      g_error = "the dialog ended before step " + std::to_string(g_next + 1);
    return;
  }
  if (g_next == g_steps.size()) {
    if (g_error.empty()) g_error = "the dialog is still open after the script";
    PostMessageA(g_dialog, WM_CLOSE, 0, 0);
    return;
  }
  if (!RunStep(g_dialog, g_steps[g_next]) && g_error.empty())
    g_error = "step " + std::to_string(g_next + 1) + " failed";
  g_next++;
  g_timer = SetTimer(nullptr, 0, 1, Tick);
}

// Runs once the dialog is up: the opening screenshot, then the first tick.
static void StartScript(HWND dialog, void*) {
  g_opened = true;
  g_dialog = dialog;
  g_next = 0;
  if (!g_screenshot.empty() && !DriverSavePng(dialog, g_screenshot.c_str()))
    g_error = "cannot save " + g_screenshot;
  g_timer = SetTimer(nullptr, 0, 1, Tick);
}

bool ArmDialogScript(const char* script, const char* screenshot) {
  g_steps.clear();
  g_error.clear();
  g_opened = false;
  g_screenshot = screenshot ? screenshot : "";
  std::string source = script;
  for (size_t start = 0; start <= source.size();) {
    size_t end = source.find(';', start);
    if (end == std::string::npos) end = source.size();
    std::string text = Trim(source.substr(start, end - start));
    Step step;
    if (!text.empty()) {
      if (!ParseStep(text, &step)) return false;
      g_steps.push_back(step);
    }
    start = end + 1;
  }
  DriverArm(StartScript, nullptr);
  return true;
}

bool DisarmDialogScript(void) {
  DriverDisarm();
  if (g_timer) KillTimer(nullptr, g_timer);
  g_timer = 0;
  return g_opened;
}

std::string DialogScriptError(void) { return g_error; }
