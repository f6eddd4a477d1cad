// A click of the host page's 3D or plan window: it reaches a point input that waits, or it is
// refused, never kept for a later input that the user has not seen yet.
#pragma once

#include "Routes.hpp"

namespace SimHost::Serve {

// POST /api/pick, body what the step pickNext holds ({"click":{...}} or {"cancel":true}):
// {"lines":[...]} as for /api/step; 409 {"error":S} when no point input waits, and nothing ran.
void AddPagePickRoute (HttpServer& server, const RouteContext& context);

}   // namespace SimHost::Serve
