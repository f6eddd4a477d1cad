// The page's painting functions.
#pragma once

#include "ScriptCalls.hpp"

// "paintElement": paints the picked face's override slot with a catalogue material.
ScriptResult PaintElementFunction (ScriptArgument argument);
// "beginPaint": enters paint mode and queues one pick; the argument is not read.
ScriptResult BeginPaintFunction (ScriptArgument argument);
// "endPaint": leaves paint mode; the argument is not read.
ScriptResult EndPaintFunction (ScriptArgument argument);
