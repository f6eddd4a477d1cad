// What the query steps print about the project, each one line: also what the sandbox's state
// holds under the same keys.
#pragma once

#include "SimHost/AttributeStore.hpp"
#include "SimHost/Transcript.hpp"

#include "ElementRecords.hpp"

namespace SimHost {

Line MaterialsQuery (const AttributeStore& store);
Line FoldersQuery (const AttributeStore& store);
// {"element":{guid, type, slots}}, or {"element":null} for none.
Line ElementQuery (const API_Element* element);

}   // namespace SimHost
