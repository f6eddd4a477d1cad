// Never hands its attribute-folder handler to the host, yet reports it registered: the page
// hears of no change it did not make itself.
#include "ForwardingAddOn.hpp"

namespace {

using RegisterProc = GSErrCode (void*, API_IEventHandler*, GS::Guid*);

GSErrCode RegisterNowhere (void*, API_IEventHandler* handler, GS::Guid*)
{
    delete handler;
    return NoError;
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor) { WrapSlot (table, apiMajor, SlotOf::HostRegisterEventHandler, &RegisterNowhere); }
