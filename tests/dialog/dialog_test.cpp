// The parameter dialog under Wine, driven through its real windows as a user drives it,
// and read back from its controls. Each run opens the dialog modally; the steps of a run
// act one per tick of the dialog's own loop, so that posted keys are handled in between.
#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "dialog/star_dialog.h"
#include "host/dialog_driver.h"
#include "plugin/module.h"
#include "resources/resource.h"
#include "shape/star_params.h"

namespace {

#ifdef TAVIK_TEST_JAPANESE
const char* const kNames[] = {"星型", "外サイクロイド", "内サイクロイド", "外トロコイド", "内トロコイド", "波形"};
#else
const char* const kNames[] = {"Star", "Epicycloid", "Hypocycloid", "Epitrochoid", "Hypotrochoid", "Wave"};
#endif

const int kBoxes[] = {IDC_VERTEX_COUNT, IDC_OUTER_RADIUS, IDC_INNER_RADIUS,
                      IDC_FIXED_RADIUS, IDC_TRACER_DISTANCE, IDC_DIVISION};
const char* const kDefaultTexts[] = {"7", "100", "50", "50", "3", "8"};

// ---- Running the dialog ----

using Step = std::function<void(HWND)>;

struct Outcome {
  intptr_t result;
  bool leftOpen;  // still open after the last step, so the runner closed it (result 0)
};

std::vector<Step> g_steps;
size_t g_nextStep;
HWND g_dialog;
bool g_leftOpen;
UINT_PTR g_stepTimer;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, g_stepTimer);
  g_stepTimer = 0;
  if (!IsWindowVisible(g_dialog)) return;  // a step ended the dialog
  if (g_nextStep == g_steps.size()) {
    g_leftOpen = true;
    PostMessageA(g_dialog, WM_CLOSE, 0, 0);
    return;
  }
  g_steps[g_nextStep++](g_dialog);
  g_stepTimer = SetTimer(nullptr, 0, 1, RunNextStep);
}

void StartSteps(HWND dialog, void*) {
  g_dialog = dialog;
  RunNextStep(nullptr, 0, 0, 0);
}

// Opens the dialog and runs steps in it; every step must have run when it ends.
Outcome RunDialog(std::vector<Step> steps) {
  g_steps = std::move(steps);
  g_nextStep = 0;
  g_leftOpen = false;
  g_dialog = nullptr;
  DriverArm(StartSteps, nullptr);
  intptr_t result = ShowStarDialog(nullptr);
  DriverDisarm();
  if (g_stepTimer) KillTimer(nullptr, g_stepTimer);
  g_stepTimer = 0;
  EXPECT_EQ(g_nextStep, g_steps.size()) << "the dialog ended before the last step";
  return {result, g_leftOpen};
}

Step Pick(int family) {
  return [=](HWND d) { ASSERT_TRUE(DriverPickFamily(d, family)); };
}
Step SetText(int id, const char* text) {
  return [=](HWND d) { ASSERT_TRUE(DriverSetText(d, id, text)); };
}
Step Click(int id) {
  return [=](HWND d) { ASSERT_TRUE(DriverClick(d, id)); };
}
Step TypeIntoCombo(const char* text) {
  return [=](HWND d) { ASSERT_TRUE(DriverTypeIntoCombo(d, text)); };
}
Step Press(int vk) {
  return [=](HWND d) { ASSERT_TRUE(DriverPressKey(d, vk)); };
}
Step CloseBox() {
  return [](HWND d) { ASSERT_TRUE(DriverCloseBox(d)); };
}

std::string Text(HWND dialog, int id) {
  char text[256];
  DriverText(dialog, id, text, sizeof text);
  return text;
}

// An 8-bit text of this process's code page, as UTF-8.
std::string AnsiToUtf8(const char* text) {
  wchar_t wide[256];
  char utf8[768];
  int n = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 256);
  return n > 0 && WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr) > 0 ? utf8 : "?";
}

// ---- The preview ----

const int kCell = 80;

// Pixels as 0xRRGGBB, row by row from the top.
using Pixels = std::vector<uint32_t>;

Pixels ReadPixels(HDC source, int x, int y, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP picture = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  Pixels pixels((const uint32_t*)bits, (const uint32_t*)bits + width * height);
  for (uint32_t& p : pixels) p &= 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  return pixels;
}

// What the dialog shows where the preview goes: client x 50, y 28, 80 x 80.
Pixels PreviewArea(HWND dialog) {
  HDC dc = GetDC(dialog);
  Pixels pixels = ReadPixels(dc, 50, 28, kCell, kCell);
  ReleaseDC(dialog, dc);
  return pixels;
}

// Cell type of the strip, from the module's own bitmap.
Pixels StripCell(int type) {
  HBITMAP strip = LoadBitmapA(g_moduleHandle, MAKEINTRESOURCEA(IDB_SHAPES));
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, strip);
  Pixels pixels = ReadPixels(memory, type * kCell, 0, kCell, kCell);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(strip);
  return pixels;
}

int CountDifferent(const Pixels& a, const Pixels& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (size_t i = 0; i < a.size(); i++) n += a[i] != b[i];
  return n;
}

// The dialog's background colour in ReadPixels's form.
uint32_t Background() {
  COLORREF c = GetSysColor(COLOR_BTNFACE);
  return (uint32_t)GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

// ---- The record ----

// The ten input fields of StarParams that an OK writes.
struct Fields {
  int32_t shapeType, vertexCount;
  float outerRadius, innerRadius;
  int32_t autoInner;
  float fixedRadius;
  int32_t division;
  float tracerDistance;
  int32_t lineMode, faceMode;
  bool operator==(const Fields& o) const { return !memcmp(this, &o, sizeof o); }
};

std::ostream& operator<<(std::ostream& out, const Fields& f) {
  return out << "{shapeType " << f.shapeType << ", vertexCount " << f.vertexCount << ", outer " << f.outerRadius
             << ", inner " << f.innerRadius << ", auto " << f.autoInner << ", fixed " << f.fixedRadius
             << ", division " << f.division << ", tracer " << f.tracerDistance << ", line " << f.lineMode
             << ", face " << f.faceMode << "}";
}

Fields Recorded() {
  const StarParams& p = g_starParams;
  return {p.shapeType, p.vertexCount, p.outerRadius, p.innerRadius, p.autoInner, p.fixedRadius,
          p.division, p.tracerDistance, p.lineMode, p.faceMode};
}

// Before each run every field holds a value that no step of these tests writes.
const Fields kUntouched = {77, 77, 77.0f, 77.0f, 77, 77.0f, 77, 77.0f, 77, 77};
// What OK stores from the defaults.
const Fields kDefaults = {0, 7, 100.0f, 50.0f, 0, 50.0f, 8, 3.0f, 0, 1};

class StarDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    g_moduleHandle = GetModuleHandleA(nullptr);
    const Fields& f = kUntouched;
    g_starParams = {f.shapeType, 77, f.vertexCount, f.division, f.outerRadius, f.innerRadius, f.autoInner,
                    f.fixedRadius, f.tracerDistance, f.lineMode, f.faceMode, 0, 0.0f, 0};
  }
};

// Which boxes each family enables, in the order outer, inner, Auto, fixed, tracer, division.
struct Enabling {
  int family;
  bool boxes[6];
};
const int kEnablingIds[] = {IDC_OUTER_RADIUS, IDC_INNER_RADIUS, IDC_AUTO_INNER,
                            IDC_FIXED_RADIUS, IDC_TRACER_DISTANCE, IDC_DIVISION};
const Enabling kEnabling[] = {
    {Star, {true, true, true, false, false, false}},
    {Epicycloid, {false, false, false, true, false, true}},
    {Hypocycloid, {false, false, false, true, false, true}},
    {Epitrochoid, {false, false, false, true, true, true}},
    {Hypotrochoid, {false, false, false, true, true, true}},
    {Wave, {true, true, true, false, false, true}},
};

void ExpectEnabling(HWND dialog, const bool (&boxes)[6]) {
  for (int i = 0; i < 6; i++) EXPECT_EQ(DriverEnabled(dialog, kEnablingIds[i]), boxes[i]) << "control " << kEnablingIds[i];
}

// Everything the user sees at an opening.
void ExpectDefaults(HWND dialog) {
  EXPECT_EQ(DriverItemCount(dialog), kShapeTypeCount);
  for (int i = 0; i < kShapeTypeCount; i++) {
    char name[256];
    DriverItemText(dialog, i, name, sizeof name);
    EXPECT_EQ(AnsiToUtf8(name), kNames[i]) << "item " << i;
  }
  EXPECT_EQ(DriverSelection(dialog), 0);
  for (int i = 0; i < 6; i++) EXPECT_EQ(Text(dialog, kBoxes[i]), kDefaultTexts[i]) << "box " << kBoxes[i];
  ExpectEnabling(dialog, kEnabling[Star].boxes);
  EXPECT_FALSE(DriverChecked(dialog, IDC_AUTO_INNER));
  EXPECT_FALSE(DriverChecked(dialog, IDC_CREATE_LINE));
  EXPECT_TRUE(DriverChecked(dialog, IDC_CREATE_FACE));
  EXPECT_EQ(DriverFocusId(dialog), IDOK);
  EXPECT_EQ(g_starParams.previewType, Star);
  EXPECT_EQ(CountDifferent(PreviewArea(dialog), StripCell(Star)), 0);
}

// ---- Endings ----

struct Ending {
  const char* name;
  Step end;
  intptr_t result;
};

class DialogEnding : public StarDialog, public ::testing::WithParamInterface<Ending> {};

// Each way out gives its result, and the next opening shows the defaults again: neither
// an accepted nor a cancelled opening leaves anything behind in the controls.
TEST_P(DialogEnding, GivesItsResultAndTheNextOpeningShowsTheDefaults) {
  const Ending& ending = GetParam();
  Outcome first = RunDialog({ExpectDefaults, ending.end});
  EXPECT_EQ(first.result, ending.result);
  EXPECT_FALSE(first.leftOpen);
  EXPECT_EQ(Recorded(), ending.result == 1 ? kDefaults : kUntouched);

  // Everything changed, then the same way out.
  Outcome changed = RunDialog({Pick(Wave), Click(IDC_AUTO_INNER), Click(IDC_CREATE_LINE), SetText(IDC_VERTEX_COUNT, "9"),
                               SetText(IDC_OUTER_RADIUS, "11"), SetText(IDC_INNER_RADIUS, "12"),
                               SetText(IDC_FIXED_RADIUS, "13"), SetText(IDC_TRACER_DISTANCE, "14"),
                               SetText(IDC_DIVISION, "15"), ending.end});
  EXPECT_EQ(changed.result, ending.result);

  Outcome again = RunDialog({ExpectDefaults, Press(VK_ESCAPE)});
  EXPECT_EQ(again.result, 0);
  EXPECT_FALSE(again.leftOpen);
}

const Ending kEndings[] = {
    {"EnterKey", Press(VK_RETURN), 1},
    {"OkButton", Click(IDOK), 1},
    {"EscapeKey", Press(VK_ESCAPE), 0},
    {"CancelButton", Click(IDCANCEL), 0},
    {"CloseBox", CloseBox(), 0},
};
INSTANTIATE_TEST_SUITE_P(Dialog, DialogEnding, ::testing::ValuesIn(kEndings),
                         [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

// ---- Families, enabling and the preview ----

// Each pick shows that family's picture and enabling; none of them leaves a trace on the
// next. Typing into the combo box leaves no selection: no picture, and the boxes follow
// the row of Epicycloid and Hypocycloid.
TEST_F(StarDialog, EachFamilyShowsItsPictureAndEnablesTheBoxesItReads) {
  std::vector<Step> steps;
  for (int family : {Wave, Hypotrochoid, Epitrochoid, Hypocycloid, Epicycloid, Star, Epitrochoid}) {
    steps.push_back(Pick(family));
    steps.push_back([=](HWND d) {
      SCOPED_TRACE(kNames[family]);
      EXPECT_EQ(DriverSelection(d), family);
      EXPECT_EQ(g_starParams.previewType, family);
      ExpectEnabling(d, kEnabling[family].boxes);
      EXPECT_EQ(CountDifferent(PreviewArea(d), StripCell(family)), 0);
    });
  }
  steps.push_back(TypeIntoCombo("x"));
  steps.push_back([](HWND d) {
    EXPECT_EQ(DriverSelection(d), -1);
    EXPECT_EQ(g_starParams.previewType, -1);
    ExpectEnabling(d, kEnabling[Epicycloid].boxes);
    EXPECT_EQ(CountDifferent(PreviewArea(d), Pixels(kCell * kCell, Background())), 0);
  });
  EXPECT_TRUE(RunDialog(steps).leftOpen);
}

// The handler looks at the control id only: the combo box gaining the focus applies the
// table again, undoing whatever else changed the boxes.
TEST_F(StarDialog, AnyComboNotificationAppliesTheTableAgain) {
  Outcome run = RunDialog({[](HWND d) {
                             EnableWindow(GetDlgItem(d, IDC_OUTER_RADIUS), FALSE);
                             EnableWindow(GetDlgItem(d, IDC_DIVISION), TRUE);
                             SetFocus(GetDlgItem(d, IDC_SHAPE_TYPE));
                           },
                           [](HWND d) { ExpectEnabling(d, kEnabling[Star].boxes); }});
  EXPECT_TRUE(run.leftOpen);
}

TEST_F(StarDialog, DroppedListShowsAllSixNames) {
  RunDialog({[](HWND d) {
               HWND combo = GetDlgItem(d, IDC_SHAPE_TYPE);
               SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
               COMBOBOXINFO info = {};
               info.cbSize = sizeof info;
               ASSERT_TRUE(GetComboBoxInfo(combo, &info));
               RECT list;
               GetClientRect(info.hwndList, &list);
               LRESULT item = SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0);
               EXPECT_GE(list.bottom, kShapeTypeCount * item);
               SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
             },
             Press(VK_ESCAPE)});
}

// A second opening shows the Star picture, whatever the first one showed last.
TEST_F(StarDialog, PictureAndSelectionAgreeAtTheNextOpening) {
  RunDialog({Pick(Hypocycloid), Press(VK_ESCAPE)});
  RunDialog({[](HWND d) {
               EXPECT_EQ(g_starParams.previewType, Star);
               EXPECT_EQ(CountDifferent(PreviewArea(d), StripCell(Star)), 0);
             },
             Press(VK_ESCAPE)});
}

TEST_F(StarDialog, AutoDisablesTheInnerRadiusUnderStarButNotOnPickingWave) {
  Outcome run = RunDialog({
      Click(IDC_AUTO_INNER),
      [](HWND d) {
        EXPECT_EQ(g_starParams.autoInner, 1);
        EXPECT_FALSE(DriverEnabled(d, IDC_INNER_RADIUS));
      },
      Pick(Wave),
      [](HWND d) {
        EXPECT_TRUE(DriverChecked(d, IDC_AUTO_INNER));
        EXPECT_TRUE(DriverEnabled(d, IDC_INNER_RADIUS));
      },
      Click(IDC_AUTO_INNER),
      [](HWND d) {
        EXPECT_EQ(g_starParams.autoInner, 0);
        EXPECT_TRUE(DriverEnabled(d, IDC_INNER_RADIUS));
      },
      Click(IDC_AUTO_INNER),
      [](HWND d) {
        EXPECT_EQ(g_starParams.autoInner, 1);
        EXPECT_FALSE(DriverEnabled(d, IDC_INNER_RADIUS));
      },
      Pick(Star),
      [](HWND d) { EXPECT_FALSE(DriverEnabled(d, IDC_INNER_RADIUS)); },
      Click(IDC_AUTO_INNER),
      [](HWND d) {
        EXPECT_EQ(g_starParams.autoInner, 0);
        EXPECT_TRUE(DriverEnabled(d, IDC_INNER_RADIUS));
      },
  });
  EXPECT_TRUE(run.leftOpen);
}

// ---- OK ----

struct Entry {
  const char* name;
  std::vector<Step> steps;
  Fields expected;
};

Fields With(Fields f, const std::function<void(Fields*)>& change) {
  change(&f);
  return f;
}

class AcceptedEntry : public StarDialog, public ::testing::WithParamInterface<Entry> {};

TEST_P(AcceptedEntry, EndsWithOneAndStoresTheFields) {
  std::vector<Step> steps = GetParam().steps;
  steps.push_back(Press(VK_RETURN));
  Outcome run = RunDialog(steps);
  EXPECT_EQ(run.result, 1);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(Recorded(), GetParam().expected);
}

const Entry kAccepted[] = {
    {"Defaults", {}, kDefaults},
    {"StarOfThree", {SetText(IDC_VERTEX_COUNT, "3")}, With(kDefaults, [](Fields* f) { f->vertexCount = 3; })},
    {"EpicycloidOfOneWithDivisionZero",
     {Pick(Epicycloid), SetText(IDC_VERTEX_COUNT, "1"), SetText(IDC_DIVISION, "0")},
     With(kDefaults, [](Fields* f) { f->shapeType = 1, f->vertexCount = 1, f->division = 0; })},
    {"VerticesStopAtThePoint", {SetText(IDC_VERTEX_COUNT, "7.9")}, kDefaults},
    {"VerticesStopAtTheLetters", {SetText(IDC_VERTEX_COUNT, "12abc")},
     With(kDefaults, [](Fields* f) { f->vertexCount = 12; })},
    {"RadiusOfLettersIsZero", {SetText(IDC_OUTER_RADIUS, "abc")},
     With(kDefaults, [](Fields* f) { f->outerRadius = 0.0f; })},
    {"RadiusWithExponent", {SetText(IDC_INNER_RADIUS, "1e2")},
     With(kDefaults, [](Fields* f) { f->innerRadius = 100.0f; })},
    {"RadiusStopsAtTheComma", {Pick(Epitrochoid), SetText(IDC_TRACER_DISTANCE, "2,5")},
     With(kDefaults, [](Fields* f) { f->shapeType = 3, f->tracerDistance = 2.0f; })},
    {"NegativeRadius", {Pick(Hypocycloid), SetText(IDC_FIXED_RADIUS, "-50")},
     With(kDefaults, [](Fields* f) { f->shapeType = 2, f->fixedRadius = -50.0f; })},
    {"Line", {Click(IDC_CREATE_LINE), [](HWND d) { EXPECT_FALSE(DriverChecked(d, IDC_CREATE_FACE)); }},
     With(kDefaults, [](Fields* f) { f->lineMode = 1, f->faceMode = 0; })},
    {"LineThenFace", {Click(IDC_CREATE_LINE), Click(IDC_CREATE_FACE)}, kDefaults},
    // Auto checked: the typed inner radius is stored, and Auto still counts where it is
    // disabled and cannot be clicked.
    {"AutoKeepsTheTypedInnerRadius", {SetText(IDC_INNER_RADIUS, "20"), Click(IDC_AUTO_INNER)},
     With(kDefaults, [](Fields* f) { f->innerRadius = 20.0f, f->autoInner = 1; })},
    {"AutoCountsUnderACurveFamily",
     {Click(IDC_AUTO_INNER), Pick(Hypotrochoid),
      [](HWND d) {
        EXPECT_TRUE(DriverChecked(d, IDC_AUTO_INNER));
        EXPECT_FALSE(DriverClick(d, IDC_AUTO_INNER));
      }},
     With(kDefaults, [](Fields* f) { f->shapeType = 4, f->autoInner = 1; })},
    // A typed text is no selection, but a pick after it is.
    {"PickAfterTyping", {TypeIntoCombo("Star"), Pick(Wave)}, With(kDefaults, [](Fields* f) { f->shapeType = 5; })},
};
INSTANTIATE_TEST_SUITE_P(Dialog, AcceptedEntry, ::testing::ValuesIn(kAccepted),
                         [](const ::testing::TestParamInfo<Entry>& info) { return std::string(info.param.name); });

class RefusedEntry : public StarDialog, public ::testing::WithParamInterface<Entry> {};

// Enter runs OK; the refusal leaves the dialog open and every text, check and the focus
// as they were; only the fields before the refusing step have been written.
TEST_P(RefusedEntry, LeavesTheDialogOpenAndWritesOnlyTheFieldsBeforeTheRefusal) {
  static std::vector<std::string> s_before;
  static int s_focus;
  std::vector<Step> steps = GetParam().steps;
  auto state = [](HWND d) {
    std::vector<std::string> all;
    for (int id : kBoxes) all.push_back(Text(d, id));
    for (int id : {IDC_AUTO_INNER, IDC_CREATE_LINE, IDC_CREATE_FACE}) all.push_back(DriverChecked(d, id) ? "1" : "0");
    all.push_back(std::to_string(DriverSelection(d)));
    return all;
  };
  steps.push_back([=](HWND d) {
    s_before = state(d);
    s_focus = DriverFocusId(d);
  });
  steps.push_back(Press(VK_RETURN));
  steps.push_back([=](HWND d) {
    EXPECT_EQ(state(d), s_before);
    EXPECT_EQ(DriverFocusId(d), s_focus);
  });
  Outcome run = RunDialog(steps);
  EXPECT_TRUE(run.leftOpen);
  EXPECT_EQ(Recorded(), GetParam().expected);
}

const Entry kRefused[] = {
    // Focusing the combo box notifies while Star is still selected, which reads Auto.
    {"NoItemSelected", {TypeIntoCombo("Star")},
     With(kUntouched, [](Fields* f) { f->shapeType = -1, f->autoInner = 0; })},
    {"VerticesEmpty", {SetText(IDC_VERTEX_COUNT, "")}, With(kUntouched, [](Fields* f) { f->shapeType = 0; })},
    {"StarOfTwo", {SetText(IDC_VERTEX_COUNT, "2")},
     With(kUntouched, [](Fields* f) { f->shapeType = 0, f->vertexCount = 2; })},
    {"VerticesOfLetters", {SetText(IDC_VERTEX_COUNT, "abc")},
     With(kUntouched, [](Fields* f) { f->shapeType = 0, f->vertexCount = 0; })},
    {"EpicycloidOfZero", {Pick(Epicycloid), SetText(IDC_VERTEX_COUNT, "0")},
     With(kUntouched, [](Fields* f) { f->shapeType = 1, f->vertexCount = 0; })},
    {"WaveOfMinusOne", {Pick(Wave), SetText(IDC_VERTEX_COUNT, "-1")},
     With(kUntouched, [](Fields* f) { f->shapeType = 5, f->vertexCount = -1; })},
    // The shared acceptance's upper bound: twice the tips must stay within the point limit.
    {"StarBeyondThePointLimit", {SetText(IDC_VERTEX_COUNT, "600000")},
     With(kUntouched, [](Fields* f) { f->shapeType = 0, f->vertexCount = 600000; })},
    {"OuterEmpty", {SetText(IDC_OUTER_RADIUS, "")},
     With(kUntouched, [](Fields* f) { f->shapeType = 0, f->vertexCount = 7; })},
    {"InnerEmpty", {SetText(IDC_INNER_RADIUS, "")},
     With(kUntouched, [](Fields* f) { f->shapeType = 0, f->vertexCount = 7, f->outerRadius = 100.0f; })},
    {"FixedEmpty", {Click(IDC_AUTO_INNER), SetText(IDC_FIXED_RADIUS, "")}, With(kUntouched, [](Fields* f) {
       f->shapeType = 0, f->vertexCount = 7, f->outerRadius = 100.0f, f->innerRadius = 50.0f, f->autoInner = 1;
     })},
    {"DivisionEmpty", {SetText(IDC_DIVISION, "")}, With(kUntouched, [](Fields* f) {
       f->shapeType = 0, f->vertexCount = 7, f->outerRadius = 100.0f, f->innerRadius = 50.0f, f->autoInner = 0,
       f->fixedRadius = 50.0f;
     })},
    // Typed while a curve family enables the box, then refused under Star, which does not.
    {"DivisionNegativeUnderStar", {Pick(Epicycloid), SetText(IDC_DIVISION, "-1"), Pick(Star)},
     With(kUntouched, [](Fields* f) {
       f->shapeType = 0, f->vertexCount = 7, f->outerRadius = 100.0f, f->innerRadius = 50.0f, f->autoInner = 0,
       f->fixedRadius = 50.0f, f->division = -1;
     })},
    {"TracerEmpty", {SetText(IDC_TRACER_DISTANCE, "")}, With(kUntouched, [](Fields* f) {
       f->shapeType = 0, f->vertexCount = 7, f->outerRadius = 100.0f, f->innerRadius = 50.0f, f->autoInner = 0,
       f->fixedRadius = 50.0f, f->division = 8;
     })},
};
INSTANTIATE_TEST_SUITE_P(Dialog, RefusedEntry, ::testing::ValuesIn(kRefused),
                         [](const ::testing::TestParamInfo<Entry>& info) { return std::string(info.param.name); });

// A box left empty while disabled refuses OK until a family that enables it is chosen
// and it is filled again.
TEST_F(StarDialog, EmptyDisabledBoxRefusesUntilFilledAgain) {
  Outcome run = RunDialog({Pick(Epicycloid), SetText(IDC_DIVISION, ""), Pick(Star), Press(VK_RETURN),
                           Pick(Epicycloid), SetText(IDC_DIVISION, "8"), Pick(Star), Press(VK_RETURN)});
  EXPECT_EQ(run.result, 1);
  EXPECT_EQ(Recorded(), kDefaults);
}

#ifdef TAVIK_TEST_JAPANESE
// The Japanese names reach the combo box through code page 932.
TEST_F(StarDialog, RunsUnderCodePage932) { EXPECT_EQ(GetACP(), 932u); }
#endif

// ---- The screenshot ----

// The PNG holds the dialog's window; its pixel at the preview's centre is the picture's.
TEST_F(StarDialog, ScreenshotIsAPngOfTheWindow) {
  const char* path = "dialog_screenshot.png";
  RECT frame = {};
  POINT centre = {50 + kCell / 2, 28 + kCell / 2};
  RunDialog({[&](HWND d) {
               ASSERT_TRUE(DriverSavePng(d, path));
               GetWindowRect(d, &frame);
               ClientToScreen(d, &centre);
             },
             Press(VK_ESCAPE)});
  FILE* file = fopen(path, "rb");
  ASSERT_NE(file, nullptr);
  std::vector<uint8_t> png(4 << 20);
  png.resize(fread(png.data(), 1, png.size(), file));
  fclose(file);
  remove(path);
  ASSERT_GT(png.size(), 33u + 11);
  EXPECT_EQ(memcmp(png.data(), "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), 0);
  auto big32 = [&](size_t at) { return (uint32_t)png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3]; };
  uint32_t width = big32(16), height = big32(20);
  EXPECT_EQ(width, (uint32_t)(frame.right - frame.left));
  EXPECT_EQ(height, (uint32_t)(frame.bottom - frame.top));
  // Stored deflate blocks after the two zlib bytes: gather the raw rows.
  ASSERT_EQ(memcmp(png.data() + 37, "IDAT", 4), 0);
  size_t at = 41 + 2;
  std::vector<uint8_t> rows;
  for (bool last = false; !last && at + 5 <= png.size();) {
    last = png[at] & 1;
    size_t n = png[at + 1] | png[at + 2] << 8;
    rows.insert(rows.end(), png.begin() + at + 5, png.begin() + at + 5 + n);
    at += 5 + n;
  }
  ASSERT_EQ(rows.size(), (size_t)height * (1 + 3 * width));
  size_t x = centre.x - frame.left, y = centre.y - frame.top;
  const uint8_t* rgb = &rows[y * (1 + 3 * width) + 1 + 3 * x];
  uint32_t expected = StripCell(Star)[kCell / 2 * kCell + kCell / 2];
  EXPECT_EQ((uint32_t)rgb[0] << 16 | rgb[1] << 8 | rgb[2], expected);
}

}  // namespace
