// One interactive pick: the user clicks in the host's window and the host says what is there.
#pragma once

#include "InputRecords.hpp"

// [inside the pick command] Runs the host's point input with 'prompt' into the caller's
// zeroed record. True when an element was picked, directly or by the search under the
// point. A cancel says nothing; any other failure of the input is shown to the user by name.
bool PickElement (const char* prompt, API_GetPointType& point);
