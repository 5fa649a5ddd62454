#include "star_dialog.h"

#include <windows.h>

#include "../plugin/module.h"
#include "../resources/resource.h"
#include "../resources/strings.h"
#include "../shape/accept.h"

// The boxes' texts at every opening, in the order they are set.
static const struct {
  int id;
  const char* text;
} kDefaultTexts[] = {
    {IDC_VERTEX_COUNT, "7"}, {IDC_OUTER_RADIUS, "100"}, {IDC_INNER_RADIUS, "50"},
    {IDC_FIXED_RADIUS, "50"}, {IDC_TRACER_DISTANCE, "3"}, {IDC_DIVISION, "8"},
};

const int kCellSize = 80;  // one family's picture in the strip

static void Enable(HWND dialog, int id, BOOL enable) { EnableWindow(GetDlgItem(dialog, id), enable); }

static int32_t Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }

static void OnOpen(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_RESETCONTENT, 0, 0);
  // Explicit indexes keep this order although the combo box sorts.
  for (int32_t i = 0; i < kShapeTypeCount; i++)
    SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_INSERTSTRING, i, (LPARAM)ShapeTypeNames[i]);
  SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_SETCURSEL, 0, 0);
  for (const auto& box : kDefaultTexts) SetDlgItemTextA(dialog, box.id, box.text);
  Enable(dialog, IDC_FIXED_RADIUS, FALSE);
  Enable(dialog, IDC_TRACER_DISTANCE, FALSE);
  Enable(dialog, IDC_DIVISION, FALSE);
  CheckRadioButton(dialog, IDC_CREATE_FACE, IDC_CREATE_FACE, IDC_CREATE_FACE);
  g_starParams.previewType = Star;  // the picture shows the selected family from the start
}

// The selected family's picture from the strip; none while no family is selected.
static void OnPaint(HWND dialog) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  int32_t type = g_starParams.previewType;
  if (type >= 0 && type < kShapeTypeCount) {
    HBITMAP strip = LoadBitmapA(g_moduleHandle, MAKEINTRESOURCEA(IDB_SHAPES));
    HDC memory = CreateCompatibleDC(dc);
    SelectObject(memory, strip);
    BitBlt(dc, 50, 28, kCellSize, kCellSize, memory, type * kCellSize, 0, SRCCOPY);
    DeleteDC(memory);
    DeleteObject(strip);
  }
  EndPaint(dialog, &paint);
}

// Enables the boxes the family reads. Under Star the Auto state decides the inner radius.
static void ApplyEnabling(HWND dialog, int32_t type) {
  if (type == Star) {
    Enable(dialog, IDC_OUTER_RADIUS, TRUE);
    Enable(dialog, IDC_AUTO_INNER, TRUE);
    Enable(dialog, IDC_FIXED_RADIUS, FALSE);
    Enable(dialog, IDC_TRACER_DISTANCE, FALSE);
    Enable(dialog, IDC_DIVISION, FALSE);
    g_starParams.autoInner = Checked(dialog, IDC_AUTO_INNER);
    Enable(dialog, IDC_INNER_RADIUS, g_starParams.autoInner != 1);
    return;
  }
  // No selection (-1) shows the boxes as Epicycloid and Hypocycloid do.
  BOOL wave = type == Wave, trochoid = type == Epitrochoid || type == Hypotrochoid;
  Enable(dialog, IDC_OUTER_RADIUS, wave);
  Enable(dialog, IDC_INNER_RADIUS, wave);
  Enable(dialog, IDC_AUTO_INNER, wave);
  Enable(dialog, IDC_FIXED_RADIUS, !wave);
  Enable(dialog, IDC_TRACER_DISTANCE, trochoid);
  Enable(dialog, IDC_DIVISION, TRUE);
}

// Reads every box (64-byte reads) and the states; ends with 1 only if they are accepted.
static void OnOk(HWND dialog) {
  char vertices[kBoxTextMax + 1], outer[kBoxTextMax + 1], inner[kBoxTextMax + 1];
  char fixed[kBoxTextMax + 1], division[kBoxTextMax + 1], tracer[kBoxTextMax + 1];
  GetDlgItemTextA(dialog, IDC_VERTEX_COUNT, vertices, sizeof vertices);
  GetDlgItemTextA(dialog, IDC_OUTER_RADIUS, outer, sizeof outer);
  GetDlgItemTextA(dialog, IDC_INNER_RADIUS, inner, sizeof inner);
  GetDlgItemTextA(dialog, IDC_FIXED_RADIUS, fixed, sizeof fixed);
  GetDlgItemTextA(dialog, IDC_DIVISION, division, sizeof division);
  GetDlgItemTextA(dialog, IDC_TRACER_DISTANCE, tracer, sizeof tracer);
  StarEntry entry;
  entry.shapeType = (int32_t)SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_GETCURSEL, 0, 0);
  entry.vertexCount = vertices, entry.outerRadius = outer, entry.innerRadius = inner;
  entry.autoInner = Checked(dialog, IDC_AUTO_INNER);
  entry.fixedRadius = fixed, entry.division = division, entry.tracerDistance = tracer;
  entry.lineMode = SendDlgItemMessageA(dialog, IDC_CREATE_LINE, BM_GETCHECK, 0, 0) == BST_CHECKED;
  entry.faceMode = SendDlgItemMessageA(dialog, IDC_CREATE_FACE, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (AcceptStarEntry(&entry, &g_starParams) == Accepted) EndDialog(dialog, 1);  // refusals are silent
}

// Every notification of a control runs its handler: only the control id is looked at.
static void OnCommand(HWND dialog, int id) {
  switch (id) {
    case IDC_SHAPE_TYPE:
      g_starParams.previewType = (int32_t)SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_GETCURSEL, 0, 0);
      InvalidateRect(dialog, nullptr, TRUE);
      UpdateWindow(dialog);  // repaint the picture now, before the boxes change
      ApplyEnabling(dialog, g_starParams.previewType);
      break;
    case IDC_AUTO_INNER:
      g_starParams.autoInner = Checked(dialog, IDC_AUTO_INNER);
      Enable(dialog, IDC_INNER_RADIUS, g_starParams.autoInner != 1);
      break;
    case IDOK:
      OnOk(dialog);
      break;
    case IDCANCEL:  // the Cancel button and the Escape key
      PostMessageA(dialog, WM_CLOSE, 0, 0);
      break;
  }
}

static INT_PTR CALLBACK StarDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OnOpen(dialog);
      return TRUE;  // the system gives the focus to the first tab stop, OK
    case WM_PAINT:
      OnPaint(dialog);
      break;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      break;
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam));
      break;
  }
  return FALSE;
}

intptr_t ShowStarDialog(MQWindow owner) {
  return DialogBoxParamA(g_moduleHandle, MAKEINTRESOURCEA(IDD_STAR), (HWND)owner, StarDialogProc, 0);
}
