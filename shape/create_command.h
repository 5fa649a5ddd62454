// The plug-in's one command: dialog, derivation, and a new object in the document.
#pragma once
#include <stdint.h>

#include "../plugin/host_api.h"

// Asks for the parameters in the modal dialog; on OK completes g_starParams, builds the
// outline into a new host object, appends it to doc and makes it current. TRUE (1) when
// an object was added; FALSE (0) when the dialog did not end with OK, or when the host
// gave no object (then nothing more is asked of the host). Needs a bound host table.
int32_t RunCreateCommand(MQDocument doc);
