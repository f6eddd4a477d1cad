// The function table the host hands an add-on.
#pragma once

#include "SimHost/Faults.hpp"

#include <vector>

namespace SimHost {

// The table of API 'apiMajor' (28 or 27), with the slots of 'emptySlots' left empty.
std::vector<unsigned char> BuildHostTable (Int32 apiMajor, const std::set<HostOperation>& emptySlots);

}   // namespace SimHost
