#include "Catalogue/AttributeFolderEventHandler.hpp"

#include "Catalogue/AttributeFolderEvents.hpp"
#include "HostApi/HostApi.hpp"
#include "HostApi/HostBoundary.hpp"

GS::UniString AttributeFolderEventHandler::GetName () const { return GS::UniString ("AttributeFolderEventHandler"); }

GSErrCode AttributeFolderEventHandler::RegisterAt (API_IEventNotifier& notifier) const
{
    return CallFromHost (
        [&] () -> GSErrCode {
#if VIREL_HOST_API >= 28
            // these hosts hand attribute events out through their own notifier only
            auto* hostNotifier = dynamic_cast<API_IACEventNotifier*> (&notifier);
            if (hostNotifier == nullptr)
                return NoError;
            return hostNotifier->RegisterEventHandler (*this);
#else
            return notifier.RegisterEventHandler (*this);
#endif
        },
        APIERR_GENERAL);
}

void AttributeFolderEventHandler::NotifyBefore (const API_AttributeEventIds&) const {}

void AttributeFolderEventHandler::NotifyCreated (const API_AttributeEventIds& affected) const
{
    CallFromHost ([&] { CheckMaterialsModified (affected); });
}

void AttributeFolderEventHandler::NotifyChanged (const API_AttributeEventIds& affected) const
{
    CallFromHost ([&] { CheckMaterialsModified (affected); });
}
