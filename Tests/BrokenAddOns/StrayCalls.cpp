// Hands a test the host's own HostGetAttribute slot, so the test can call it as a stray add-on
// would: with a context the host never gave, after ReleaseModule, after the unload.
#include "ForwardingAddOn.hpp"

namespace {
using GetAttributeProc = GSErrCode (void*, API_Attribute*);
GetAttributeProc* getAttribute = nullptr;
}   // namespace

void Break (unsigned char* table, Int32 apiMajor)
{
    const Int32 offset = SlotOffset (apiMajor, SlotOf::HostGetAttribute[0], SlotOf::HostGetAttribute[1]);
    getAttribute = reinterpret_cast<GetAttributeProc*> (ReadSlot (table, offset));
}

extern "C" __attribute__ ((visibility ("default"))) GetAttributeProc* StrayGetAttributeSlot () { return getAttribute; }
