// The event handlers the host owns for an add-on, and its attribute-event notifier.
#pragma once

namespace SimHost {

class EventHandlerStore {
public:
    // Before the add-on is unloaded: the handlers' code lives there.
    void DestroyAll () {}
};

}   // namespace SimHost
