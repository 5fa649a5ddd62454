#include "host_api.h"

HostFunctionTable g_hostFunctions;
