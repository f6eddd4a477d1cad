// "Close project" in the sandbox: the host tells the add-on its project closes (host event
// 64), then opens a fresh one from the setup scenario, as when the user opens another
// project. The add-on stays loaded.
#pragma once

#include "Routes.hpp"

namespace SimHost::Serve {

// POST /api/close-project: {"lines":[...]} with every line it caused, among them
// {"newProject":S} (S: the setup scenario) before the setup's own lines.
void AddCloseProjectRoute (HttpServer& server, const RouteContext& context);

}   // namespace SimHost::Serve
