#include "PagePick.hpp"

#include "ServeSteps.hpp"

#include <memory>

namespace SimHost::Serve {

namespace {

struct Outcome {
    std::size_t first = 0;
    int         status = 200;
    std::string error;
};

void PostPick (const RouteContext& context, const HttpRequest& request, const HttpReply& reply)
{
    ScenarioStep step;
    try {
        Line body = Line::parse (request.body);
        if (!body.is_object ())
            throw ScenarioError (1, "a body is one JSON object");
        body["do"] = "pickNext";
        step = StepOfBody (body.dump ());
    } catch (const nlohmann::json::exception&) {
        return reply (ErrorResponse (400, "a body is one JSON object"));
    } catch (const ScenarioError& e) {
        return reply (ErrorResponse (400, e.what ()));
    }
    auto                 outcome = std::make_shared<Outcome> ();
    const TranscriptLog& log = context.log;
    AskHost (
        context,
        [outcome, step, &log] (Host& host) {
            outcome->first = log.End ();
            if (!host.Elements ().Input ().IsWaiting ()) {
                outcome->status = 409;
                outcome->error = "no point input waits for a click";
                return;
            }
            try {
                RunServeStep (host, step);
            } catch (const std::exception& e) {
                outcome->status = 400;
                outcome->error = e.what ();
            }
        },
        [outcome, &log] (Host&) {
            if (!outcome->error.empty ())
                return Answer { outcome->status, Line ({ { "error", outcome->error } }).dump () };
            return Answer { 200, LinesAnswer (log, outcome->first) };
        },
        reply);
}

}   // namespace

void AddPagePickRoute (HttpServer& server, const RouteContext& context)
{
    server.Post ("/api/pick", [context] (const HttpRequest& request, HttpReply reply) { PostPick (context, request, reply); });
}

}   // namespace SimHost::Serve
