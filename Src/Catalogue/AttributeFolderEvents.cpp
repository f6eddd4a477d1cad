#include "Catalogue/AttributeFolderEvents.hpp"

#include "Catalogue/AttributeFolderEventHandler.hpp"
#include "HostApi/HostApi.hpp"
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
    // the catalogue is walked once per notification, however many attributes it names; a
    // material gone from it counts while the page still shows it
    std::optional<std::set<GS::Guid>> catalogue;
    for (UInt32 i = 0; i < affected.GetSize (); ++i) {
        const GS::Guid& attribute = affected[i].guid;
        if (attribute.IsNull ())
            continue;
        if (!catalogue)
            catalogue = CatalogueMaterialIds ();
        if (catalogue->contains (attribute) || WasInSentCatalogue (attribute)) {
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
