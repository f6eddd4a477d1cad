// "paintElement": paints the face the user picked with a catalogue material.
#pragma once

#include "PageBridge/ScriptCalls.hpp"

// [page call] The argument is the JSON text {"elementId", "elementIndex", "materialId",
// "bodyIndex", "polygonIndex"}; the result is always no value. Outside the 3D window the
// user is told so and the argument's text is not read. "Bad cast." for an argument that is
// not a script value; "Null reference." (in the 3D window) for none; the JSON library's
// errors for malformed text.
ScriptResult PaintElement (ScriptArgument argument);
