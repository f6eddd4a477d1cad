// Event handlers the host takes from the add-on.
#include "../HostOperations.hpp"

namespace SimHost::Operations {

GSErrCode HostRegisterEventHandler (Host& host, API_IEventHandler* handler, GS::Guid* registrationId)
{
    return host.EventHandlers ().Register (host, handler, registrationId);
}

void RefusedHostRegisterEventHandler (Host&, API_IEventHandler* handler, GS::Guid*)
{
    // the host takes the handler in every case: a refused one is destroyed at once
    delete handler;
}

}   // namespace SimHost::Operations
