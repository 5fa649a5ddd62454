// Scripted use of the plug-in's dialog, for the substitute host and its tests.
#pragma once
#include <string>

// Arms script to act on the next dialog that opens on this thread, once it is up.
// Steps are separated by ';':
//   text ID=TEXT   set the text of box ID          family N   pick combo item N
//   type TEXT      type into the combo's edit field click ID    click button ID
//   ok | cancel    click OK or Cancel               enter | escape   press that key
//   close          the close box                    shot FILE  save a PNG of the dialog
// screenshot, when not null, is saved as the dialog opens, before the first step. If the
// dialog is still open after the last step, it is closed and the script reports an
// error. False when the script does not parse.
bool ArmDialogScript(const char* script, const char* screenshot);

// Takes back an armed script that has not run. True when the dialog had opened since
// the script was armed.
bool DisarmDialogScript(void);

// Empty, or what went wrong in the last armed script (a step that found no control, a
// screenshot that could not be saved, a dialog left open, a dialog that never opened).
std::string DialogScriptError(void);
