// What GET /api/state answers: the palette, materials, folders, undo history, every element
// with its bodies as the host draws them, the front window and the point input; and the
// menus the add-on registered, with their texts from its resources, and the pick kind a
// click on each element reports. [UI thread]
#pragma once

#include "SimHost/Host.hpp"

namespace SimHost::Serve {

Line SandboxState (Host& host);

}   // namespace SimHost::Serve
