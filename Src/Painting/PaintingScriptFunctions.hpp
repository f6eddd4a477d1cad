// The page's painting functions.
#pragma once

#include "PageBridge/ScriptCalls.hpp"

// "beginPaint": enters paint mode and queues one pick; the argument is not read.
ScriptResult BeginPaintFunction (ScriptArgument argument);
// "endPaint": leaves paint mode; the argument is not read.
ScriptResult EndPaintFunction (ScriptArgument argument);
