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

// {"lines":[...]<more>}: the transcript lines from number 'first' on, as a step's answer holds them.
std::string LinesAnswer (const TranscriptLog& log, std::size_t first, const std::string& more = "");

// Runs 'run' on the UI thread and replies with what 'answer' makes there afterwards.
void AskHost (const RouteContext& context, std::function<void (Host&)> run, std::function<Answer (Host&)> answer, const HttpReply& reply);

}   // namespace SimHost::Serve
