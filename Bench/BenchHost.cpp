#include "BenchHost.hpp"

#include "SimHost/Scenario.hpp"

#include "CH.hpp"

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace VirelBench {

std::unique_ptr<SimHost::Host> StartHost ()
{
    auto host = std::make_unique<SimHost::Host> ();
    host->SetAddOnFile (std::string (VIREL_BUILD_DIR) + "/api28/VirelPalette.apx");
    SimHost::RunScenario (*host, SimHost::ParseScenarioText ("{\"do\":\"load\"}\n{\"do\":\"menu\",\"list\":32500,\"item\":1}"));
    if (host->HeldBrowser () == nullptr)
        throw std::runtime_error ("the add-on opened no palette");
    return host;
}

void FillProject (SimHost::Host& host, int materials, int folders)
{
    SimHost::AttributeStore& store = host.Attributes ();
    store.CreateFolder ({ "Surfaces", "Virel" }, host.Guids ());
    std::vector<SimHost::AttributeStore::FolderId> targets;
    for (int i = 0; i < folders; ++i) {
        char name[32];
        std::snprintf (name, sizeof name, "Range %02d", i);
        targets.push_back (store.CreateFolder ({ "Surfaces", "Virel", name }, host.Guids ()));
    }
    for (int i = 0; i < materials; ++i) {
        API_Attribute record;
        BNZeroMemory (&record, sizeof record);
        record.typeID = API_MaterialID;
        std::snprintf (record.name, sizeof record.name, "Virel Colour %05d", i);
        record.surfaceRed = (i % 256) / 255.0;
        record.surfaceGreen = ((i * 7) % 256) / 255.0;
        record.surfaceBlue = ((i * 13) % 256) / 255.0;
        record.ambient = Int16 (i % 100);
        record.diffuse = Int16 ((i * 3) % 100);
        record.specular = Int16 ((i * 5) % 100);
        record.shine = Int16 (i % 2);
        SimHost::AttributeStore::Material& material = store.CreateMaterial (record, host.Guids ().Next ());
        store.MoveMaterial (material, targets[std::size_t (i % folders)]);
    }
}

namespace {

PreparedFolder Prepare (const SimHost::AttributeStore& store, SimHost::AttributeStore::FolderId id)
{
    const SimHost::AttributeStore::Folder& folder = store.GetFolder (id);
    PreparedFolder                         prepared;
    for (const std::string& component : folder.path)
        prepared.path += component + "/";
    for (SimHost::AttributeStore::FolderId subfolder : folder.subfolders)
        prepared.folders.push_back (Prepare (store, subfolder));
    for (const GS::Guid& guid : folder.materials) {
        const API_Attribute record = store.FindMaterial (guid)->Record ();
        prepared.surfaces.push_back ({ std::string (record.name, strnlen (record.name, sizeof record.name)),
                                       record.guid.ToUniString ().ToCStr ().Get (), int (record.surfaceRed * 255.0),
                                       int (record.surfaceGreen * 255.0), int (record.surfaceBlue * 255.0), double (record.ambient),
                                       double (record.diffuse), double (record.shine), double (record.specular) });
    }
    return prepared;
}

nlohmann::json PreparedToJson (const PreparedFolder& folder)
{
    nlohmann::json object;
    object["path"] = folder.path;
    nlohmann::json& folders = object["folders"] = nlohmann::json::array ();
    for (const PreparedFolder& subfolder : folder.folders)
        folders.push_back (PreparedToJson (subfolder));
    nlohmann::json& surfaces = object["surfaces"] = nlohmann::json::array ();
    for (const PreparedMaterial& material : folder.surfaces) {
        nlohmann::json surface;
        surface["name"] = material.name;
        surface["id"] = material.id;
        surface["color"] = { { "red", material.red }, { "green", material.green }, { "blue", material.blue } };
        surface["product"] = {
            { "ambient", material.ambient }, { "diffuse", material.diffuse }, { "shine", material.shine }, { "specular", material.specular }
        };
        surfaces.push_back (std::move (surface));
    }
    return object;
}

}   // namespace

PreparedFolder PrepareCatalogue (SimHost::Host& host)
{
    const SimHost::AttributeStore&                         store = host.Attributes ();
    const std::optional<SimHost::AttributeStore::FolderId> root = store.FolderAt ({ "Surfaces", "Virel" });
    if (!root.has_value ())
        return { "Surfaces/Virel/", {}, {} };
    return Prepare (store, *root);
}

std::string WritePrepared (const PreparedFolder& root)
{
    return PreparedToJson (root).dump (-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}   // namespace VirelBench
