// The event handlers the host owns for an add-on, and its attribute-event notifier.
#pragma once

#include "EventHandlers.hpp"
#include "Guid.hpp"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace SimHost {

class Host;

class EventHandlerStore {
public:
    EventHandlerStore ();
    EventHandlerStore (const EventHandlerStore&) = delete;
    EventHandlerStore& operator= (const EventHandlerStore&) = delete;
    ~EventHandlerStore ();

    // HostRegisterEventHandler: takes the handler in every case and lets it register itself at
    // the notifier of the add-on's API (one the API 28 hosts have their own type for). A
    // handler whose registration fails is destroyed at once.
    GSErrCode Register (Host& host, API_IEventHandler* handler, GS::Guid* registrationId);
    // The notifier's registration: only a handler the host owns, only attribute-folder handlers.
    GSErrCode Subscribe (const API_IEventHandler& handler);

    // Before the add-on is unloaded: the handlers' code lives there.
    void DestroyAll ();

    // Sends notification 1, 2 or 3 with those attributes to every registered attribute-folder
    // handler, in registration order.
    void Notify (Host& host, int which, const std::vector<GS::Guid>& attributes);

    // Whether the host notifies by itself after the changes its attribute operations make.
    void SetAutoNotify (bool on) { autoNotify = on; }
    bool AutoNotify () const { return autoNotify; }
    // Called by the host's attribute operations after their change: notification 2 for
    // attributes created or moved into a folder, notification 3 for attributes changed or
    // deleted. Nothing for no attributes.
    void AfterCreatedOrMoved (Host& host, const std::vector<GS::Guid>& attributes);
    void AfterChangedOrDeleted (Host& host, const std::vector<GS::Guid>& attributes);

    std::size_t OwnedCount () const { return owned.size (); }
    // The names of the registered attribute-folder handlers, in registration order.
    std::vector<std::string> AttributeFolderHandlerNames () const;

private:
    std::vector<std::unique_ptr<API_IEventHandler>>      owned;
    std::vector<const API_IAttributeFolderEventHandler*> attributeFolderHandlers;
    UInt32                                               registrations = 0;
    bool                                                 autoNotify = true;
};

}   // namespace SimHost
