// notification-storm: many notifications naming many materials. The page hears one catalogue
// per notification that concerns the watched folder, and the host calls a notification costs
// grow linearly with the project (counted, not timed).
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

namespace SimHost {

namespace {

constexpr int Notifications = 1000;
constexpr int NamedPerNotification = 1000;
constexpr int CatalogueFolders = 100;
constexpr int MaterialsPerFolder = 10;

// Adds materials (MaterialsPerFolder a folder) in 'folders' folders below 'path'.
std::vector<GS::Guid> AddMaterials (ValidationSession& session, const std::string& path, int firstFolder, int folders)
{
    std::string steps;
    for (int folder = firstFolder; folder < firstFolder + folders; ++folder)
        for (int i = 0; i < MaterialsPerFolder; ++i)
            steps += R"({"do":"addMaterial","path":[)" + path + R"(,"F)" + std::to_string (folder) +
                     R"("],"name":"M","rgb":[0,0,0]})"
                     "\n";
    std::vector<GS::Guid> added;
    for (const Line& line : session.Run (steps))
        added.push_back (GS::Guid (line["material"]["guid"].get<std::string> ().c_str ()));
    return added;
}

// The host calls and catalogues sent to the page for one notification.
std::pair<std::size_t, std::size_t> Notify (Host& host, const std::vector<GS::Guid>& named)
{
    host.CallsQuery ();
    host.GetTranscript ().Clear ();
    host.EventHandlers ().Notify (host, 2, named);
    const Line  calls = host.CallsQuery ();
    std::size_t events = 0;
    for (const Line& line : host.GetTranscript ().Lines ())
        events += line.contains ("page") && line["page"].get<std::string> ().rfind ("VirelEvents.onMaterialsModified(", 0) == 0;
    host.GetTranscript ().Clear ();
    return { calls["calls"].size (), events };
}

// 'count' materials outside the catalogue, then, when given, one of the catalogue's.
std::vector<GS::Guid> Named (const std::vector<GS::Guid>& outside, std::size_t count, const GS::Guid* listed)
{
    std::vector<GS::Guid> named (outside.begin (), outside.begin () + std::ptrdiff_t (count));
    if (listed != nullptr)
        named.back () = *listed;
    return named;
}

}   // namespace

void CheckNotificationStorm (const ValidationContext& context)
{
    ValidationSession session (context);
    Host&             host = session.GetHost ();
    session.Run (R"({"do":"autoNotify","on":false})");
    const std::vector<GS::Guid> outside = AddMaterials (session, R"("Elsewhere")", 0, NamedPerNotification / MaterialsPerFolder);
    session.Run (R"({"do":"load"})"
                 "\n"
                 R"({"do":"menu","list":32500,"item":1})");

    // linear: ten times the names against ten times the catalogue costs about ten times the calls
    std::vector<GS::Guid>       catalogue = AddMaterials (session, R"("Surfaces","Virel")", 0, CatalogueFolders / 10);
    const auto                  small = Notify (host, Named (outside, NamedPerNotification / 10, &catalogue.back ()));
    const std::vector<GS::Guid> more =
        AddMaterials (session, R"("Surfaces","Virel")", CatalogueFolders / 10, CatalogueFolders - CatalogueFolders / 10);
    catalogue.insert (catalogue.end (), more.begin (), more.end ());
    const auto large = Notify (host, Named (outside, NamedPerNotification, &catalogue.back ()));
    Require (small.second == 1 && large.second == 1, "a notification naming a catalogue material did not send one catalogue");
    Require (large.first <= 20 * small.first, "host calls grow faster than the project: " + std::to_string (small.first) + " calls, then " +
                                                  std::to_string (large.first) + " for ten times as much");

    for (int n = 0; n < Notifications; ++n) {
        const bool concerns = n % 2 == 0;
        const auto [calls, events] =
            Notify (host, Named (outside, NamedPerNotification, concerns ? &catalogue[std::size_t (n) % catalogue.size ()] : nullptr));
        Require (events == (concerns ? 1u : 0u),
                 "notification " + std::to_string (n + 1) + " sent " + std::to_string (events) + " catalogues");
        Require (calls <= 2 * large.first, "notification " + std::to_string (n + 1) + " made " + std::to_string (calls) + " host calls");
        ReportCheckProgress ();
    }
    session.RequireNoViolation ();
}

}   // namespace SimHost
