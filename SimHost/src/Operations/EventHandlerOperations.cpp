// Event handlers the host takes from the add-on.
#include "../HostOperations.hpp"

namespace SimHost::Operations {

GSErrCode HostRegisterEventHandler (Host&, API_IEventHandler* handler, GS::Guid*)
{
    delete handler;
    return APIERR_GENERAL;
}

}   // namespace SimHost::Operations
