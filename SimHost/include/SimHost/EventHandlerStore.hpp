// The event handlers the host owns for an add-on, and its attribute-event notifier.
#pragma once

#include "Guid.hpp"

#include <vector>

namespace SimHost {

class Host;

class EventHandlerStore {
public:
    // Before the add-on is unloaded: the handlers' code lives there.
    void DestroyAll () {}

    // Called by the host's attribute operations after their change, when the host notifies
    // by itself: notification 2 for attributes created or moved into a folder, notification 3
    // for attributes changed or deleted.
    void AfterCreatedOrMoved (Host&, const std::vector<GS::Guid>&) {}
    void AfterChangedOrDeleted (Host&, const std::vector<GS::Guid>&) {}
};

}   // namespace SimHost
