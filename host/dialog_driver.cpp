#include "dialog_driver.h"

#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <vector>

#include "../resources/resource.h"

static DriverAction g_action;
static void* g_context;
static UINT_PTR g_pollTimer;

// The visible dialog of this thread, if any. A dialog shows itself only once its modal
// loop first runs out of messages, and an ended one is hidden before it is destroyed.
static BOOL CALLBACK FindShownDialog(HWND window, LPARAM found) {
  char name[16];
  if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) && !strcmp(name, "#32770")) {
    *(HWND*)found = window;
    return FALSE;
  }
  return TRUE;
}

// A thread timer ticks from the modal loop; the action runs at the first tick that finds
// the dialog shown, after its pending paints.
static void CALLBACK PollForDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShownDialog, (LPARAM)&dialog);
  if (!dialog) return;
  DriverAction action = g_action;
  void* context = g_context;
  DriverDisarm();
  UpdateWindow(dialog);
  action(dialog, context);
}

void DriverArm(DriverAction action, void* context) {
  DriverDisarm();
  g_action = action;
  g_context = context;
  g_pollTimer = SetTimer(nullptr, 0, 10, PollForDialog);
}

void DriverDisarm(void) {
  if (g_pollTimer) KillTimer(nullptr, g_pollTimer);
  g_pollTimer = 0;
  g_action = nullptr;
  g_context = nullptr;
}

bool DriverSetText(HWND dialog, int id, const char* text) {
  return GetDlgItem(dialog, id) && SetDlgItemTextA(dialog, id, text);
}

bool DriverPickFamily(HWND dialog, int index) {
  HWND combo = GetDlgItem(dialog, IDC_SHAPE_TYPE);
  if (!combo || !IsWindowEnabled(combo)) return false;
  if (index < 0 || index >= (int)SendMessageA(combo, CB_GETCOUNT, 0, 0)) return false;
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SHAPE_TYPE, CBN_SELCHANGE), (LPARAM)combo);
  return true;
}

bool DriverTypeIntoCombo(HWND dialog, const char* text) {
  HWND combo = GetDlgItem(dialog, IDC_SHAPE_TYPE);
  HWND edit = combo ? FindWindowExA(combo, nullptr, "Edit", nullptr) : nullptr;
  if (!edit || !IsWindowEnabled(combo)) return false;
  SetFocus(edit);
  for (const char* c = text; *c; c++) SendMessageA(edit, WM_CHAR, (unsigned char)*c, 1);
  return true;
}

bool DriverClick(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (!button || !IsWindowEnabled(button)) return false;
  SendMessageA(button, BM_CLICK, 0, 0);
  return true;
}

bool DriverPressKey(HWND dialog, int vk) {
  HWND focus = GetFocus();
  HWND target = focus && IsChild(dialog, focus) ? focus : dialog;
  LPARAM scan = (LPARAM)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) << 16;
  return PostMessageA(target, WM_KEYDOWN, vk, 1 | scan) &&
         PostMessageA(target, WM_KEYUP, vk, 1 | scan | 0xC0000000);
}

bool DriverCloseBox(HWND dialog) { return PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

int DriverText(HWND dialog, int id, char* buffer, int size) {
  if (size > 0) buffer[0] = '\0';
  if (!GetDlgItem(dialog, id)) return -1;
  return (int)GetDlgItemTextA(dialog, id, buffer, size);
}

bool DriverChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool DriverEnabled(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control && IsWindowEnabled(control);
}

int DriverSelection(HWND dialog) {
  return (int)SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_GETCURSEL, 0, 0);
}

int DriverItemCount(HWND dialog) {
  return (int)SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_GETCOUNT, 0, 0);
}

int DriverItemText(HWND dialog, int index, char* buffer, int size) {
  if (size > 0) buffer[0] = '\0';
  LRESULT length = SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR || length >= size) return -1;
  return (int)SendDlgItemMessageA(dialog, IDC_SHAPE_TYPE, CB_GETLBTEXT, index, (LPARAM)buffer);
}

int DriverFocusId(HWND dialog) {
  HWND focus = GetFocus();
  if (!focus || !IsChild(dialog, focus)) return 0;
  while (GetParent(focus) != dialog) focus = GetParent(focus);  // the combo's edit field
  return GetDlgCtrlID(focus);
}

// PNG with stored (uncompressed) deflate blocks, so that no compression library is needed.
static uint32_t Crc32(const uint8_t* data, size_t n) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; i++) {
    crc ^= data[i];
    for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

static void PutBig32(std::vector<uint8_t>* out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out->push_back((uint8_t)(v >> shift));
}

static void PutChunk(std::vector<uint8_t>* png, const char* type, const std::vector<uint8_t>& body) {
  PutBig32(png, (uint32_t)body.size());
  size_t start = png->size();
  png->insert(png->end(), type, type + 4);
  png->insert(png->end(), body.begin(), body.end());
  PutBig32(png, Crc32(png->data() + start, png->size() - start));
}

// rows: height rows of 1 filter byte (0) and width RGB triples.
static bool WritePng(const char* path, int width, int height, const std::vector<uint8_t>& rows) {
  std::vector<uint8_t> header, z = {0x78, 0x01};
  PutBig32(&header, (uint32_t)width);
  PutBig32(&header, (uint32_t)height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace
  for (size_t at = 0; at < rows.size();) {
    size_t n = rows.size() - at < 65535 ? rows.size() - at : 65535;
    z.push_back(at + n == rows.size() ? 1 : 0);  // the final block's flag
    z.insert(z.end(), {(uint8_t)n, (uint8_t)(n >> 8), (uint8_t)~n, (uint8_t)(~n >> 8)});
    z.insert(z.end(), rows.begin() + at, rows.begin() + at + n);
    at += n;
  }
  uint32_t a = 1, b = 0;  // Adler-32
  for (uint8_t byte : rows) a = (a + byte) % 65521, b = (b + a) % 65521;
  PutBig32(&z, (b << 16) | a);
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(&png, "IHDR", header);
  PutChunk(&png, "IDAT", z);
  PutChunk(&png, "IEND", {});
  FILE* file = fopen(path, "wb");
  if (!file) return false;
  bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
  return fclose(file) == 0 && written;
}

bool DriverSavePng(HWND dialog, const char* path) {
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT frame;
  if (!GetWindowRect(dialog, &frame)) return false;
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  if (width <= 0 || height <= 0) return false;
  HDC window = GetWindowDC(dialog);
  HDC memory = CreateCompatibleDC(window);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool captured = picture && bits;
  if (captured) {
    HGDIOBJ old = SelectObject(memory, picture);
    captured = BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
    GdiFlush();
    SelectObject(memory, old);
  }
  std::vector<uint8_t> rows;
  if (captured) {
    const uint8_t* pixel = (const uint8_t*)bits;  // blue, green, red, unused
    for (int y = 0; y < height; y++) {
      rows.push_back(0);
      for (int x = 0; x < width; x++, pixel += 4) rows.insert(rows.end(), {pixel[2], pixel[1], pixel[0]});
    }
  }
  if (picture) DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(dialog, window);
  return captured && WritePng(path, width, height, rows);
}
