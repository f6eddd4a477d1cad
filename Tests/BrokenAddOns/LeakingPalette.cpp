// Allocates a block each time a palette registers its attribute-folder handler, and never
// frees it.
#include "ForwardingAddOn.hpp"

#include "MemoryManager.hpp"

namespace {

using RegisterProc = GSErrCode (void*, API_IEventHandler*, GS::Guid*);
RegisterProc* registerHandler = nullptr;

GSErrCode RegisterLeaking (void* context, API_IEventHandler* handler, GS::Guid* id)
{
    GS::MemoryManager::Allocate (64);
    return registerHandler (context, handler, id);
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor)
{
    registerHandler = WrapSlot (table, apiMajor, SlotOf::HostRegisterEventHandler, &RegisterLeaking);
}
