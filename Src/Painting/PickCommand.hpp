// The module's own command 16976 version 1: one interactive pick in the 3D window.
#pragma once

#include "Definitions.hpp"

// [host's event loop, after "beginPaint" queued it] Always 0; never throws.
GSErrCode PickCommandHandler (GSHandle params, GSPtr resultData, bool silentMode);
