// Cuts 8-bit text at every occurrence of a delimiter. Every piece is kept, empty ones
// included: "a//b/" gives "a", "", "b", "". An empty delimiter gives the text whole.
#pragma once

#include "Array.hpp"
#include "UniString.hpp"

#include <string>

GS::Array<GS::UniString> SplitString (const std::string& text, const std::string& delimiter);
