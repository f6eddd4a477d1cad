// The names of the host's error codes, as the user sees them in messages.
#pragma once

#include "ApiErrors.hpp"

// "APIERR_BADWINDOW" for 0x8106006B; "Unknown Error" for any code the host does not list,
// 0 included. The text is static.
const char* ErrorName (GSErrCode code);
