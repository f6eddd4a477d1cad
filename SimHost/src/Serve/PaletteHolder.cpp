#include "PaletteHolder.hpp"

#include "ServeSteps.hpp"

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

HttpResponse JsonResponse (int status, const Line& body) { return { status, body.dump (), "application/json", {} }; }

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

void PostHolder (const RouteContext& context, Holder& holder, const HttpRequest& request, const HttpReply& reply)
{
    Line body;
    try {
        body = Line::parse (request.body);
    } catch (const nlohmann::json::exception&) {
    }
    const std::optional<std::string> take = body.is_object () ? TabOf (body, "take") : std::nullopt;
    const std::optional<std::string> claim = body.is_object () ? TabOf (body, "claim") : std::nullopt;
    const std::optional<std::string> release = body.is_object () ? TabOf (body, "release") : std::nullopt;
    if (int (take.has_value ()) + int (claim.has_value ()) + int (release.has_value ()) != 1)
        return reply (ErrorResponse (400, "one of \"take\", \"claim\" or \"release\", each a tab's name of 1 to 64 characters"));

    bool                       changed = false;
    std::optional<std::string> now;
    {
        std::lock_guard<std::mutex> lock (holder.mutex);
        if (take.has_value ()) {
            changed = holder.tab != take;
            holder.tab = take;
        } else if (claim.has_value ()) {
            // only a palette nobody holds: tabs that all saw its holder go do not take it from each other
            changed = !holder.tab.has_value ();
            if (changed)
                holder.tab = claim;
        } else if (holder.tab == release) {
            changed = true;
            holder.tab.reset ();
        }
        now = holder.tab;
    }
    if (!changed)
        return reply (JsonResponse (200, { { "tab", TabLine (now) }, { "lines", Line::array () } }));

    auto                 first = std::make_shared<std::size_t> (0);
    const TranscriptLog& log = context.log;
    AskHost (
        context,
        [first, &log] (Host& host) {
            *first = log.End ();
            CancelWaitingInput (host);
        },
        [first, now, &log] (Host&) {
            return Answer { 200, LinesAnswer (log, *first, ",\"tab\":" + TabLine (now).dump ()) };
        },
        reply);
}

}   // namespace

void AddPaletteHolderRoutes (HttpServer& server, const RouteContext& context)
{
    auto holder = std::make_shared<Holder> ();
    server.Get ("/api/palette-holder", [holder] (const HttpRequest&, HttpReply reply) {
        std::lock_guard<std::mutex> lock (holder->mutex);
        reply (JsonResponse (200, { { "tab", TabLine (holder->tab) } }));
    });
    server.Post ("/api/palette-holder",
                 [context, holder] (const HttpRequest& request, HttpReply reply) { PostHolder (context, *holder, request, reply); });
}

}   // namespace SimHost::Serve
