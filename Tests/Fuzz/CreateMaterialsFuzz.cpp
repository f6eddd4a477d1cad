// createMaterials: the page's list of material entries. It answers with the catalogue, or
// refuses with the JSON library's error or one of the add-on's own refusals, and never
// touches a material it was not asked to create.
#include "PageCallFuzzing.hpp"

#include "SimHost/ValidationSession.hpp"

namespace {

const char* const OwnRefusals[] = { "The folder path nests deeper than ", "The material \"" };

void CheckCatalogueOrRefusal (SimHost::Host& host, const SimHost::Line& outcome)
{
    const SimHost::AttributeStore::Material* kept = host.Attributes ().FindMaterial (GS::Guid (SimHost::SmallProjectMaterial));
    SimHost::Require (kept != nullptr && !kept->deleted, "createMaterials lost a material it was not asked about");
    if (outcome.contains ("result")) {
        SimHost::Require (outcome["result"].is_string (), "createMaterials returned no catalogue");
        const nlohmann::json catalogue = nlohmann::json::parse (outcome["result"].get<std::string> (), nullptr, false);
        SimHost::Require (catalogue.is_object () && catalogue.value ("path", "") == "Surfaces/Virel/",
                          "createMaterials returned a catalogue that is not one: " + outcome["result"].get<std::string> ().substr (0, 200));
        return;
    }
    const std::string message = outcome["exception"].get<std::string> ();
    bool              documented = VirelFuzz::IsJsonLibraryError (outcome);
    for (const char* refusal : OwnRefusals)
        documented = documented || message.rfind (refusal, 0) == 0;
    SimHost::Require (documented, "createMaterials raised an undocumented exception: " + message);
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    return VirelFuzz::FuzzPageCall ("createMaterials", data, size, &CheckCatalogueOrRefusal);
}
