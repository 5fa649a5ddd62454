// Driving a modal dialog of this thread as a user would, through its real windows, for
// the substitute host and the dialog tests. Actions send or post the messages that the
// user's input produces; the read-back functions ask the controls themselves.
#pragma once
#include <windows.h>

// What runs once the armed dialog is up: called from the dialog's own modal loop.
typedef void (*DriverAction)(HWND dialog, void* context);

// Arms action to run once, on this thread, as soon as a dialog of this thread is visible
// and has painted. Call it before the modal call; a thread timer polls for the dialog
// while the modal loop runs. Arming again replaces the earlier action.
void DriverArm(DriverAction action, void* context);

// Takes back an armed action that has not run yet.
void DriverDisarm(void);

// Sets the text of control id (WM_SETTEXT; an edit box notifies its change as usual).
// False when the dialog has no such control.
bool DriverSetText(HWND dialog, int id, const char* text);

// Picks item index of the combo box IDC_SHAPE_TYPE as a pick from its list does: the
// selection moves and the combo box notifies CBN_SELCHANGE to the dialog. False when the
// combo box is missing or disabled, or has no such item.
bool DriverPickFamily(HWND dialog, int index);

// Clicks into the combo box's edit field (the combo box focuses it and selects its text)
// and types text there, one WM_CHAR per character, with the list closed. False when the
// combo box is missing or disabled.
bool DriverTypeIntoCombo(HWND dialog, const char* text);

// Clicks button id (BM_CLICK: press and release over it), which moves the focus to it,
// toggles an auto check box or radio button and notifies BN_CLICKED. A disabled control
// cannot be clicked: false, as for a missing one.
bool DriverClick(HWND dialog, int id);

// Posts a press and release of the virtual key vk (VK_RETURN, VK_ESCAPE, VK_TAB...) to
// the control that has the focus, or to the dialog when none has. The dialog's loop
// handles it once the caller returns to it.
bool DriverPressKey(HWND dialog, int vk);

// Clicks the close box: posts the WM_SYSCOMMAND SC_CLOSE it produces.
bool DriverCloseBox(HWND dialog);

// Reads the text of control id into buffer (size bytes, zero-terminated; at most 255
// characters are read). Returns its length, or -1 when there is no such control.
int DriverText(HWND dialog, int id, char* buffer, int size);

// True when button id is checked.
bool DriverChecked(HWND dialog, int id);

// True when control id exists and is enabled.
bool DriverEnabled(HWND dialog, int id);

// The current selection of the combo box IDC_SHAPE_TYPE: an index, or -1 for none.
int DriverSelection(HWND dialog);

// The number of items of the combo box IDC_SHAPE_TYPE, and the text of item index
// (as DriverText; -1 when there is no such item).
int DriverItemCount(HWND dialog);
int DriverItemText(HWND dialog, int index, char* buffer, int size);

// The id of the dialog's control that has the keyboard focus (the combo box also when
// its edit field has it), or 0 when the focus is elsewhere.
int DriverFocusId(HWND dialog);

// Saves the dialog window as it shows on screen as a 24-bit PNG file. False when the
// window cannot be captured or the file cannot be written.
bool DriverSavePng(HWND dialog, const char* path);
