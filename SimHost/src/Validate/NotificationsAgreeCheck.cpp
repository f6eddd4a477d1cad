// notifications-agree: seeded changes the host makes by itself (materials added, deleted,
// moved, made unreadable, inside the catalogue and outside it) and seeded notifications
// naming what the host holds, held once, or never had. From its own tree the host knows
// which notifications concern the page: one naming a material below Surfaces/Virel (down to
// the catalogue's 64 levels), or one the page was last shown. Those send the catalogue of
// that moment exactly once; every other sends nothing.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include "SimHost/AttributeStore.hpp"

#include <random>
#include <set>

namespace SimHost {

namespace {

constexpr int         Rounds = 200;
constexpr USize       CatalogueDepth = 64;
constexpr const char* EventStart = "VirelEvents.onMaterialsModified(";

const FolderPath Folders[] = { { "Surfaces", "Virel" },
                               { "Surfaces", "Virel", "Blues" },
                               { "Surfaces", "Virel", "Blues", "Deep" },
                               { "Surfaces", "Other" },
                               { "Virel" },
                               { "Surfaces" },
                               { "Surfaces", "Virel ", "x" },
                               { "Elsewhere", "Surfaces", "Virel" } };

// The materials of the host's own tree that the catalogue holds.
std::set<std::string> HostCatalogue (const AttributeStore& store)
{
    std::set<std::string>                         ids;
    const std::optional<AttributeStore::FolderId> root = store.FolderAt ({ "Surfaces", "Virel" });
    if (!root)
        return ids;
    std::vector<std::pair<AttributeStore::FolderId, USize>> open { { *root, 0 } };
    while (!open.empty ()) {
        const auto [folder, depth] = open.back ();
        open.pop_back ();
        for (const GS::Guid& material : store.GetFolder (folder).materials)
            ids.insert (material.ToUniString ().ToCStr ().Get ());
        if (depth < CatalogueDepth)
            for (const AttributeStore::FolderId below : store.GetFolder (folder).subfolders)
                open.emplace_back (below, depth + 1);
    }
    return ids;
}

// The material ids a catalogue text lists.
void CollectIds (const nlohmann::json& folder, std::set<std::string>& ids)
{
    for (const nlohmann::json& surface : folder.at ("surfaces"))
        ids.insert (surface.at ("id").get<std::string> ());
    for (const nlohmann::json& below : folder.at ("folders"))
        CollectIds (below, ids);
}

std::set<std::string> IdsOf (const std::string& catalogue)
{
    std::set<std::string> ids;
    try {
        CollectIds (nlohmann::json::parse (catalogue), ids);
    } catch (const nlohmann::json::exception& e) {
        throw CheckFailed (std::string ("a catalogue text the page cannot read: ") + e.what ());
    }
    return ids;
}

std::string GetMaterials (ValidationSession& session)
{
    const std::vector<Line> results = LinesWith (session.Run (R"({"do":"call","fn":"getMaterials"})"), "result");
    Require (results.size () == 1 && results.front ()["result"].is_string (), "getMaterials gave no catalogue text");
    return results.front ()["result"].get<std::string> ();
}

}   // namespace

void CheckNotificationsAgree (const ValidationContext& context)
{
    std::mt19937_64   random (context.seed);
    ValidationSession session (context);
    Host&             host = session.GetHost ();
    AttributeStore&   store = host.Attributes ();
    // the host's own changes go unannounced: every notification is the check's
    session.Run (R"({"do":"autoNotify","on":false}
{"do":"load"}
{"do":"menu","list":32500,"item":1})");
    std::vector<std::string> everHeld { "00000000-0000-0000-0000-000000000000", "6A1F0C2E-0007-4A10-8000-00000000DEAD" };
    auto                     addMaterial = [&] (const FolderPath& path) {
        const Line made =
            session.Run (R"({"do":"addMaterial","path":)" + nlohmann::json (path).dump () + R"(,"name":"Tint","rgb":[0.1,0.2,0.3]})")
                .at (0);
        everHeld.push_back (made["material"]["guid"].get<std::string> ());
    };
    for (const FolderPath& path : Folders)
        addMaterial (path);
    std::set<std::string> shown = IdsOf (GetMaterials (session));

    for (int round = 1; round <= Rounds; ++round) {
        const std::string what = "round " + std::to_string (round);
        // a change the host makes by itself
        AttributeStore::Material* material = store.FindMaterial (GS::Guid (everHeld[random () % everHeld.size ()].c_str ()));
        switch (random () % 6) {
            case 0: addMaterial (Folders[random () % std::size (Folders)]); break;
            case 1:
                if (material != nullptr)
                    store.DeleteMaterial (*material);
                break;
            case 2:
                if (material != nullptr)
                    store.MoveMaterial (*material, store.CreateFolder (Folders[random () % std::size (Folders)], host.Guids ()));
                break;
            case 3:
                if (material != nullptr)
                    material->unreadable = true;
                break;
            case 4: shown = IdsOf (GetMaterials (session)); break;
            default: break;
        }
        // a notification naming a few attributes, any the host ever had, or none at all
        const int                which = 1 + int (random () % 3);
        std::vector<GS::Guid>    named;
        std::vector<std::string> namedText;
        for (USize n = random () % 4; n > 0; --n) {
            namedText.push_back (everHeld[random () % everHeld.size ()]);
            named.emplace_back (namedText.back ().c_str ());
        }
        const std::set<std::string> catalogue = HostCatalogue (store);
        bool                        concerns = false;
        for (const std::string& id : namedText)
            concerns = concerns || ((catalogue.contains (id) || shown.contains (id)) && which != 1);

        const std::size_t before = host.GetTranscript ().Lines ().size ();
        host.EventHandlers ().Notify (host, which, named);
        std::vector<std::string> events;
        for (std::size_t i = before; i < host.GetTranscript ().Lines ().size (); ++i) {
            const Line& line = host.GetTranscript ().Lines ()[i];
            if (line.contains ("page") && line["page"].get<std::string> ().rfind (EventStart, 0) == 0)
                events.push_back (line["page"].get<std::string> ());
        }
        ReportCheckProgress ();
        const std::string notification =
            what + ": notification " + std::to_string (which) + " naming " + nlohmann::json (namedText).dump ();
        Require (events.size () == (concerns ? 1u : 0u), notification + ": expected " + (concerns ? "one catalogue" : "nothing") +
                                                             ", got " + std::to_string (events.size ()) + " catalogues");
        if (concerns) {
            const std::string sent =
                events.front ().substr (std::string (EventStart).size (), events.front ().size () - std::string (EventStart).size () - 1);
            const std::string now = GetMaterials (session);
            Require (sent == now, notification + ": the catalogue sent is not the catalogue of that moment");
            shown = IdsOf (now);
        }
        session.RequireNoViolation ();
    }
    session.Run (R"({"do":"unload"})");
    session.RequireNoViolation ();
}

}   // namespace SimHost
