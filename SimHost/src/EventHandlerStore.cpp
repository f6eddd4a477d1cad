#include "SimHost/EventHandlerStore.hpp"

#include "SimHost/Host.hpp"

#include <algorithm>

namespace SimHost {

namespace {

// API 27 hosts hand out a plain notifier; API 28 hosts their own kind of it.
template <class NotifierBase> class Notifier : public NotifierBase {
public:
    explicit Notifier (EventHandlerStore& store)
        : store (store)
    {}
    GSErrCode RegisterEventHandler (const API_IEventHandler& handler) override { return store.Subscribe (handler); }

private:
    EventHandlerStore& store;
};

// Counted, not drawn from the project's GUIDs: registering must not change the GUIDs a
// scenario's materials get.
GS::Guid RegistrationId (UInt32 number)
{
    GS::Guid id;
    id.data1 = number;
    id.data4[0] = 0xE7;
    return id;
}

}   // namespace

EventHandlerStore::EventHandlerStore () = default;
EventHandlerStore::~EventHandlerStore () { DestroyAll (); }

GSErrCode EventHandlerStore::Register (Host& host, API_IEventHandler* handler, GS::Guid* registrationId)
{
    if (handler == nullptr)
        return APIERR_BADPARS;
    if (std::any_of (owned.begin (), owned.end (), [&] (const auto& kept) { return kept.get () == handler; })) {
        host.Violation (Breach::HandlerRegisteredTwice, "HostRegisterEventHandler");
        return APIERR_BADPARS;
    }
    owned.emplace_back (handler);
    GSErrCode result = APIERR_GENERAL;
    try {
        if (host.ApiMajor () >= 28) {
            Notifier<API_IACEventNotifier> notifier (*this);
            result = handler->RegisterAt (notifier);
        } else {
            Notifier<API_IEventNotifier> notifier (*this);
            result = handler->RegisterAt (notifier);
        }
    } catch (...) {
        host.Violation (Breach::ExceptionEscaped, "an event handler let an exception out of RegisterAt");
    }
    if (result != NoError) {
        std::erase_if (attributeFolderHandlers,
                       [&] (auto* registered) { return static_cast<const API_IEventHandler*> (registered) == handler; });
        std::erase_if (owned, [&] (const auto& kept) { return kept.get () == handler; });
        return result;
    }
    if (registrationId != nullptr)
        *registrationId = RegistrationId (++registrations);
    return NoError;
}

GSErrCode EventHandlerStore::Subscribe (const API_IEventHandler& handler)
{
    const bool  isOwned = std::any_of (owned.begin (), owned.end (), [&] (const auto& kept) { return kept.get () == &handler; });
    const auto* folderHandler = dynamic_cast<const API_IAttributeFolderEventHandler*> (&handler);
    if (!isOwned || folderHandler == nullptr)
        return APIERR_BADPARS;
    if (std::find (attributeFolderHandlers.begin (), attributeFolderHandlers.end (), folderHandler) == attributeFolderHandlers.end ())
        attributeFolderHandlers.push_back (folderHandler);
    return NoError;
}

std::vector<std::string> EventHandlerStore::AttributeFolderHandlerNames () const
{
    std::vector<std::string> names;
    for (const API_IAttributeFolderEventHandler* handler : attributeFolderHandlers)
        names.push_back (handler->GetName ().ToCStr ().Get ());
    return names;
}

void EventHandlerStore::DestroyAll ()
{
    attributeFolderHandlers.clear ();
    while (!owned.empty ())
        owned.pop_back ();
}

void EventHandlerStore::Notify (Host& host, int which, const std::vector<GS::Guid>& attributes)
{
    API_AttributeEventIds affected;
    for (const GS::Guid& attribute : attributes) {
        API_AttributeEventEntry entry {};
        entry.guid = attribute;
        affected.Push (entry);
    }
    // a handler registered while this notification runs hears the next one
    const std::vector<const API_IAttributeFolderEventHandler*> handlers = attributeFolderHandlers;
    for (const API_IAttributeFolderEventHandler* handler : handlers) {
        try {
            switch (which) {
                case 1: handler->NotifyBefore (affected); break;
                case 2: handler->NotifyCreated (affected); break;
                case 3: handler->NotifyChanged (affected); break;
                default: break;
            }
        } catch (...) {
            host.Violation (Breach::ExceptionEscaped, "an attribute event handler let an exception out");
        }
    }
}

void EventHandlerStore::AfterCreatedOrMoved (Host& host, const std::vector<GS::Guid>& attributes)
{
    if (autoNotify && !attributes.empty ())
        Notify (host, 2, attributes);
}

void EventHandlerStore::AfterChangedOrDeleted (Host& host, const std::vector<GS::Guid>& attributes)
{
    if (autoNotify && !attributes.empty ())
        Notify (host, 3, attributes);
}

}   // namespace SimHost
