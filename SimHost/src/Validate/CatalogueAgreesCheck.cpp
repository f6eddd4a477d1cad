// catalogue-agrees: seeded sessions of page imports and deletions and of changes the host
// makes by itself (materials added, moved, renamed, made unreadable; folders added, nested,
// emptied). Every catalogue text the add-on hands the page, as a call's result or in an event,
// must be byte for byte the host's own rendering of its tree below Surfaces/Virel.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include "SimHost/AttributeStore.hpp"

#include <cstddef>
#include <cstring>
#include <random>

namespace SimHost {

namespace {

constexpr int   Rounds = 150;
constexpr USize CatalogueDepth = 64;   // levels below the root the catalogue reaches

const FolderPath Places[] = { { "Surfaces", "Virel" },         { "Surfaces", "Virel", "Blues" }, { "Surfaces", "Virel", "Blues", "Deep" },
                              { "Surfaces", "Virel", "Reds" }, { "Surfaces", "Other" },          { "Virel" },
                              { "Surfaces", "Virel", "" } };

// Names as the project may hold them: plain, accented, empty, at the record's length, not UTF-8.
const std::string Names[] = { "Chalk", "Bleu d\xC3\xA9lav\xC3\xA9", "", std::string (255, 'n'), "Half \xE2\x82", "Tab\there" };

// The catalogue text the host's own tree gives: the folder object of the root, keys in byte
// order, materials the host cannot read left out, bytes that are not UTF-8 as U+FFFD.
nlohmann::json RenderFolder (const AttributeStore& store, AttributeStore::FolderId id, USize depth)
{
    const AttributeStore::Folder& folder = store.GetFolder (id);
    nlohmann::json                rendered = nlohmann::json::object ();
    std::string                   path;
    for (const std::string& component : folder.path)
        path += component + "/";
    rendered["path"] = path;
    rendered["folders"] = nlohmann::json::array ();
    if (depth < CatalogueDepth)
        for (const AttributeStore::FolderId below : folder.subfolders)
            rendered["folders"].push_back (RenderFolder (store, below, depth + 1));
    rendered["surfaces"] = nlohmann::json::array ();
    for (const GS::Guid& guid : folder.materials) {
        const AttributeStore::Material* material = store.FindMaterial (guid);
        if (material == nullptr || material->unreadable)
            continue;
        const API_Attribute record = material->Record ();
        rendered["surfaces"].push_back ({
            { "color",
              { { "red", Int32 (record.surfaceRed * 255.0) },
                { "green", Int32 (record.surfaceGreen * 255.0) },
                { "blue", Int32 (record.surfaceBlue * 255.0) } } },
            { "id", guid.ToUniString ().ToCStr ().Get () },
            { "name", std::string (record.name, strnlen (record.name, sizeof record.name)) },
            { "product",
              { { "ambient", double (record.ambient) },
                { "diffuse", double (record.diffuse) },
                { "shine", double (record.shine) },
                { "specular", double (record.specular) } } },
        });
    }
    return rendered;
}

std::string HostCatalogueText (const AttributeStore& store)
{
    const std::optional<AttributeStore::FolderId> root = store.FolderAt ({ "Surfaces", "Virel" });
    const nlohmann::json                          rendered = root ? RenderFolder (store, *root, 0)
                                                                  : nlohmann::json { { "folders", nlohmann::json::array () },
                                                            { "path", "Surfaces/Virel/" },
                                                            { "surfaces", nlohmann::json::array () } };
    return rendered.dump (-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Every catalogue text among the lines: call results and materials-modified events.
std::vector<std::string> CatalogueTexts (const std::vector<Line>& lines)
{
    const std::string        event = "VirelEvents.onMaterialsModified(";
    std::vector<std::string> texts;
    for (const Line& line : lines) {
        if (line.contains ("result") && line["result"].is_string ())
            texts.push_back (line["result"].get<std::string> ());
        if (line.contains ("page"))
            if (const std::string text = line["page"].get<std::string> (); text.rfind (event, 0) == 0)
                texts.push_back (text.substr (event.size (), text.size () - event.size () - 1));
    }
    return texts;
}

std::string ImportStep (std::mt19937_64& random)
{
    nlohmann::json entries = nlohmann::json::array ();
    for (USize n = 1 + random () % 3; n > 0; --n) {
        const FolderPath& place = Places[random () % 4];
        std::string       path;
        for (const std::string& component : place)
            path += (path.empty () ? "" : "/") + component;
        const int tint = int (random () % 256);
        entries.push_back ({ { "name", Names[random () % 2] + " " + std::to_string (tint) },
                             { "color", { { "red", tint }, { "green", 255 - tint }, { "blue", tint / 2 } } },
                             { "path", path },
                             { "product", { { "ambient", tint % 100 }, { "diffuse", 50 }, { "shine", 3 }, { "specular", 70 } } } });
    }
    return CallStep ("createMaterials", entries.dump ());
}

}   // namespace

void CheckCatalogueAgrees (const ValidationContext& context)
{
    std::mt19937_64   random (context.seed);
    ValidationSession session (context);
    Host&             host = session.GetHost ();
    AttributeStore&   store = host.Attributes ();
    session.Run (R"({"do":"load"}
{"do":"menu","list":32500,"item":1})");
    std::vector<std::string> held;
    auto                     addMaterial = [&] (const FolderPath& path) {
        const double red = double (random () % 1001) / 1000.0;
        const Line   made = session
                              .Run (R"({"do":"addMaterial","path":)" + nlohmann::json (path).dump () + R"(,"name":"Tint","rgb":[)" +
                                                        std::to_string (red) + ",1,0.5]}")
                              .at (0);
        held.push_back (made["material"]["guid"].get<std::string> ());
    };

    for (int round = 1; round <= Rounds; ++round) {
        AttributeStore::Material* material =
            held.empty () ? nullptr : store.FindMaterial (GS::Guid (held[random () % held.size ()].c_str ()));
        std::string step;
        switch (random () % 9) {
            case 0: step = ImportStep (random); break;
            case 1:
                if (material != nullptr)
                    step = CallStep ("deleteMaterial", material->guid.ToUniString ().ToCStr ().Get ());
                break;
            case 2: addMaterial (Places[random () % std::size (Places)]); break;
            case 3:
                if (material != nullptr)
                    store.MoveMaterial (*material, store.CreateFolder (Places[random () % std::size (Places)], host.Guids ()));
                break;
            case 4:
                if (material != nullptr) {
                    const std::string& name = Names[random () % std::size (Names)];
                    std::memset (&material->head[offsetof (API_Attribute, name)], 0, sizeof (API_Attribute::name));
                    std::memcpy (&material->head[offsetof (API_Attribute, name)], name.data (), name.size ());
                }
                break;
            case 5:
                if (material != nullptr)
                    material->unreadable = true;
                break;
            case 6: {
                // a folder added, or nested beyond the catalogue's reach
                FolderPath path = Places[random () % 4];
                for (USize level = random () % 2 == 0 ? 1 : CatalogueDepth; level > 0; --level)
                    path.push_back ("L" + std::to_string (level % 3));
                store.CreateFolder (path, host.Guids ());
                if (random () % 2 == 0)
                    addMaterial (path);
                break;
            }
            case 7: {
                // a folder emptied: its materials go elsewhere
                const std::optional<AttributeStore::FolderId> folder = store.FolderAt (Places[1 + random () % 3]);
                const AttributeStore::FolderId                elsewhere = store.CreateFolder ({ "Elsewhere" }, host.Guids ());
                while (folder && !store.GetFolder (*folder).materials.empty ())
                    store.MoveMaterial (*store.FindMaterial (store.GetFolder (*folder).materials.front ()), elsewhere);
                break;
            }
            default: break;
        }
        if (step.empty ())
            step = random () % 2 == 0 || held.empty () ? R"({"do":"call","fn":"getMaterials"})"
                                                       : R"({"do":"notify","which":3,"guids":[")" + held.front () + R"("]})";
        const std::vector<Line> lines = session.Run (step);
        for (const Line& line : LinesWith (lines, "material"))
            held.push_back (line["material"]["guid"].get<std::string> ());
        const std::string expected = HostCatalogueText (store);
        for (const std::string& text : CatalogueTexts (lines)) {
            if (text == expected)
                continue;
            std::size_t at = 0;
            while (at < text.size () && at < expected.size () && text[at] == expected[at])
                ++at;
            throw CheckFailed ("round " + std::to_string (round) + ", " + step + ": the catalogue differs from the host's at byte " +
                               std::to_string (at) + ": expected ..." + expected.substr (at, 60) + ", got ..." + text.substr (at, 60));
        }
        session.RequireNoViolation ();
    }
    session.Run (R"({"do":"unload"})");
    session.RequireNoViolation ();
}

}   // namespace SimHost
