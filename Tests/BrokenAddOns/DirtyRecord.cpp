// Hands HostGetAttribute a record with a stray byte: it skips zero-filling.
#include "ForwardingAddOn.hpp"

namespace {

using GetAttributeProc = GSErrCode (void*, API_Attribute*);
GetAttributeProc* getAttribute = nullptr;

GSErrCode GetWithDirtyRecord (void* context, API_Attribute* attribute)
{
    attribute->reserved1[0] = 0x5A;
    return getAttribute (context, attribute);
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor)
{
    getAttribute = WrapSlot (table, apiMajor, SlotOf::HostGetAttribute, &GetWithDirtyRecord);
}
