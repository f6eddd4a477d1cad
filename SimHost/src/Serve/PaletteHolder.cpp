#include "PaletteHolder.hpp"

#include "PlainReply.hpp"
#include "ServeSteps.hpp"

#include <httplib.h>

#include <memory>
#include <mutex>
#include <optional>

namespace SimHost::Serve {

namespace {

// A tab's name is the page's own random identifier; anything longer is not one.
constexpr std::size_t MaxTabName = 64;

struct Holder {
    std::mutex                 mutex;
    std::optional<std::string> tab;
};

void ReplyJson (httplib::Response& response, int status, const Line& body) { ReplyPlainJson (response, status, body.dump ()); }

Line TabLine (const std::optional<std::string>& tab) { return tab.has_value () ? Line (*tab) : Line (nullptr); }

std::optional<std::string> TabOf (const Line& body, const char* key)
{
    if (!body.contains (key) || !body[key].is_string ())
        return std::nullopt;
    const std::string tab = body[key].get<std::string> ();
    if (tab.empty () || tab.size () > MaxTabName)
        return std::nullopt;
    return tab;
}

// [UI thread] Ends a waiting point input as cancelled, as the user's Esc does.
void CancelWaitingInput (Host& host)
{
    if (host.Elements ().Input ().IsWaiting ())
        RunServeStep (host, StepOfBody (R"({"do":"pickNext","cancel":true})"));
}

void PostHolder (const RouteContext& context, Holder& holder, const httplib::Request& request, httplib::Response& response)
{
    Line body;
    try {
        body = Line::parse (request.body);
    } catch (const nlohmann::json::exception&) {
    }
    const std::optional<std::string> take = body.is_object () ? TabOf (body, "take") : std::nullopt;
    const std::optional<std::string> release = body.is_object () ? TabOf (body, "release") : std::nullopt;
    if (take.has_value () == release.has_value ())
        return ReplyJson (response, 400, { { "error", "one of \"take\" or \"release\", each a tab's name of 1 to 64 characters" } });

    bool                       changed = false;
    std::optional<std::string> now;
    {
        std::lock_guard<std::mutex> lock (holder.mutex);
        if (take.has_value ()) {
            changed = holder.tab != take;
            holder.tab = take;
        } else if (holder.tab == release) {
            changed = true;
            holder.tab.reset ();
        }
        now = holder.tab;
    }
    if (!changed)
        return ReplyJson (response, 200, { { "tab", TabLine (now) }, { "lines", Line::array () } });

    auto                        first = std::make_shared<std::size_t> (0);
    const std::optional<Answer> answer = context.ui.Ask (
        [first] (Host& host) {
            *first = host.GetTranscript ().Lines ().size ();
            CancelWaitingInput (host);
        },
        [first, now] (Host& host) {
            const std::vector<Line>& lines = host.GetTranscript ().Lines ();
            Line                     caused = Line::array ();
            for (std::size_t i = *first; i < lines.size (); ++i)
                caused.push_back (lines[i]);
            return Answer { 200, Line ({ { "tab", TabLine (now) }, { "lines", caused } }).dump () };
        },
        context.options.answerTimeout);
    if (!answer.has_value ())
        return ReplyJson (response, 503, { { "error", "the host did not answer in time" } });
    ReplyPlainJson (response, answer->status, answer->body);
}

}   // namespace

void AddPaletteHolderRoutes (httplib::Server& server, const RouteContext& context)
{
    auto holder = std::make_shared<Holder> ();
    server.Get ("/api/palette-holder", [holder] (const httplib::Request&, httplib::Response& response) {
        std::lock_guard<std::mutex> lock (holder->mutex);
        ReplyJson (response, 200, { { "tab", TabLine (holder->tab) } });
    });
    server.Post ("/api/palette-holder", [context, holder] (const httplib::Request& request, httplib::Response& response) {
        PostHolder (context, *holder, request, response);
    });
}

}   // namespace SimHost::Serve
