// Numbers read from page JSON: booleans count as 1 and 0, integers keep their low bits, and
// reals are truncated toward zero, saturating at the 32-bit range, so no conversion is
// undefined. Anything else raises the JSON library's type error.
#pragma once

#include "Definitions.hpp"

#include <nlohmann/json.hpp>

// A real truncated toward zero, saturating at the 32-bit range; NaN gives 0.
Int32 TruncateToInt32 (double value);

Int32 PageInt32 (const nlohmann::json& number);
Int16 PageInt16 (const nlohmann::json& number);
UInt8 PageUInt8 (const nlohmann::json& number);
