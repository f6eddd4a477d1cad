// The sandbox's HTTP interface: the refusals every request passes first, the API under /api,
// the host's page, and the palette's files.
#pragma once

#include "HttpServer.hpp"
#include "TranscriptLog.hpp"
#include "UiThread.hpp"

#include "SimHost/Sandbox.hpp"

#include <filesystem>
#include <functional>

namespace SimHost::Serve {

struct RouteContext {
    const SandboxOptions&                   options;
    int                                     port = 0;
    UiThread&                               ui;
    const TranscriptLog&                    log;
    std::function<std::filesystem::path ()> paletteFolder;   // the folder OpenUrl named, or empty
};

void AddRoutes (HttpServer& server, const RouteContext& context);

}   // namespace SimHost::Serve
