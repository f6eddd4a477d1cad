// Keeps using the host context after ReleaseModule: the folder reads it makes then still
// carry the context it was given when its palette registered its observer.
#include "ForwardingAddOn.hpp"

namespace {

using RegisterProc = GSErrCode (void*, API_IEventHandler*, GS::Guid*);
using GetFolderProc = GSErrCode (void*, API_AttributeFolder*);
RegisterProc*  registerHandler = nullptr;
GetFolderProc* getFolder = nullptr;
void*          keptContext = nullptr;

GSErrCode RegisterKeepingContext (void* context, API_IEventHandler* handler, GS::Guid* id)
{
    keptContext = context;
    return registerHandler (context, handler, id);
}

GSErrCode GetFolderWithKeptContext (void* context, API_AttributeFolder* folder)
{
    return getFolder (context != nullptr ? context : keptContext, folder);
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor)
{
    registerHandler = WrapSlot (table, apiMajor, SlotOf::HostRegisterEventHandler, &RegisterKeepingContext);
    getFolder = WrapSlot (table, apiMajor, SlotOf::HostGetAttributeFolder, &GetFolderWithKeptContext);
}
