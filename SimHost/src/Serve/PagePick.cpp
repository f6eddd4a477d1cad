#include "PagePick.hpp"

#include "PlainReply.hpp"
#include "ServeSteps.hpp"

#include <httplib.h>

#include <memory>

namespace SimHost::Serve {

namespace {

struct Outcome {
    std::size_t first = 0;
    int         status = 200;
    std::string error;
};

void PostPick (const RouteContext& context, const httplib::Request& request, httplib::Response& response)
{
    ScenarioStep step;
    try {
        Line body = Line::parse (request.body);
        if (!body.is_object ())
            throw ScenarioError (1, "a body is one JSON object");
        body["do"] = "pickNext";
        step = StepOfBody (body.dump ());
    } catch (const nlohmann::json::exception&) {
        return ReplyPlainJson (response, 400, Line ({ { "error", "a body is one JSON object" } }).dump ());
    } catch (const ScenarioError& e) {
        return ReplyPlainJson (response, 400, Line ({ { "error", e.what () } }).dump ());
    }
    auto                        outcome = std::make_shared<Outcome> ();
    const std::optional<Answer> answer = context.ui.Ask (
        [outcome, step] (Host& host) {
            outcome->first = host.GetTranscript ().Lines ().size ();
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
        [outcome] (Host& host) {
            if (!outcome->error.empty ())
                return Answer { outcome->status, Line ({ { "error", outcome->error } }).dump () };
            const std::vector<Line>& lines = host.GetTranscript ().Lines ();
            Line                     caused = Line::array ();
            for (std::size_t i = outcome->first; i < lines.size (); ++i)
                caused.push_back (lines[i]);
            return Answer { 200, Line ({ { "lines", caused } }).dump () };
        },
        context.options.answerTimeout);
    if (!answer.has_value ())
        return ReplyPlainJson (response, 503, Line ({ { "error", "the host did not answer in time" } }).dump ());
    ReplyPlainJson (response, answer->status, answer->body);
}

}   // namespace

void AddPagePickRoute (httplib::Server& server, const RouteContext& context)
{
    server.Post ("/api/pick",
                 [context] (const httplib::Request& request, httplib::Response& response) { PostPick (context, request, response); });
}

}   // namespace SimHost::Serve
