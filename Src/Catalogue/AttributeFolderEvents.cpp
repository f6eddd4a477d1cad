#include "Catalogue/AttributeFolderEvents.hpp"

#include "Catalogue/AttributeFolderEventHandler.hpp"
#include "HostApi/HostApi.hpp"
#include "HostApi/MaterialByGuid.hpp"
#include "Catalogue/MaterialCatalogue.hpp"
#include "Catalogue/OwnMaterialChanges.hpp"
#include "PageBridge/PageEvents.hpp"

#include <optional>
#include <set>
#include <string>

namespace {

// One handler per load: a handler for each palette ever created would send each event once
// per earlier palette.
bool handlerRegistered = false;

// A failed read is the host telling us it has no such material (deleted, or undone); nothing is
// reported, since the read only asks whether it is there.
bool MaterialExists (const GS::Guid& material)
{
    API_Attribute attribute;
    return HostGetMaterial (material, attribute) == NoError;
}

}   // namespace

GSErrCode RegisterAttributeFolderHandler ()
{
    if (handlerRegistered)
        return NoError;
    // the host takes the handler through its slot only: through an empty one it would be left
    // to nobody, so none is made
    if (!HostApi::SlotFilled (HostApi::Slot::HostRegisterEventHandler))
        return APIERR_NOTSUPPORTED;
    GS::Guid        registrationId;
    const GSErrCode result = HostRegisterEventHandler (new AttributeFolderEventHandler (), &registrationId);
    handlerRegistered = result == NoError;
    return result;
}

void CheckMaterialsModified (const API_AttributeEventIds& affected)
{
    // nobody to tell; or the page call making the change returns the fresh catalogue itself
    if (!HasEventPage () || OwnMaterialChanges::InProgress ())
        return;
    // the catalogue is walked once per notification, however many attributes it names
    std::optional<std::set<GS::Guid>> catalogue;
    for (UInt32 i = 0; i < affected.GetSize (); ++i) {
        const GS::Guid& attribute = affected[i].guid;
        if (!attribute.IsNull () && !catalogue)
            catalogue = CatalogueMaterialIds ();
        // a material that is gone may be one the page still shows
        if ((!attribute.IsNull () && catalogue->contains (attribute)) || !MaterialExists (attribute)) {
            NotifyMaterialsModified ();
            return;
        }
    }
}

void NotifyMaterialsModified ()
{
    if (!HasEventPage ())
        return;
    const std::string line = "VirelEvents.onMaterialsModified(" + GetMaterialsJson () + ")";
    RunPageEvent (line.c_str ());
}
