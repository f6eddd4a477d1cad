#include "PaintingScriptFunctions.hpp"

#include <stdexcept>

ScriptResult PaintElementFunction (ScriptArgument) { throw std::logic_error ("paintElement is not built yet"); }
ScriptResult BeginPaintFunction (ScriptArgument) { throw std::logic_error ("beginPaint is not built yet"); }
ScriptResult EndPaintFunction (ScriptArgument) { throw std::logic_error ("endPaint is not built yet"); }
