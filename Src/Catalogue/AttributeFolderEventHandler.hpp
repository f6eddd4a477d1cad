// The observer the host calls with the attributes an attribute event concerns. It holds
// nothing: every notification reaches whichever palette is held at that moment.
#pragma once

#include "EventHandlers.hpp"
#include "MemoryManager.hpp"

class AttributeFolderEventHandler : public API_IAttributeFolderEventHandler {
public:
    GS_HOST_HEAP_OBJECT

    GS::UniString GetName () const override;
    // [HostRegisterEventHandler] Passes itself to the host's notifier. Never throws.
    GSErrCode RegisterAt (API_IEventNotifier& notifier) const override;

    // [host's UI thread, any time while registered] Never throw.
    void NotifyBefore (const API_AttributeEventIds& affected) const override;   // nothing has changed yet
    void NotifyCreated (const API_AttributeEventIds& affected) const override;
    void NotifyChanged (const API_AttributeEventIds& affected) const override;
};
