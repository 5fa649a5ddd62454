// The modal parameter dialog. No Windows header: the create command includes this.
#pragma once
#include <stdint.h>

#include "../plugin/host_api.h"

// Runs the dialog IDD_STAR from g_moduleHandle modally, owned by owner (may be null).
// On an accepted OK it has written the ten input fields of g_starParams. Returns 1 after
// OK, 0 after Cancel, Escape or the close box, -1 when the dialog could not be shown.
intptr_t ShowStarDialog(MQWindow owner);
