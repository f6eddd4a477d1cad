// Reads every material with its red and blue swapped.
#include "ForwardingAddOn.hpp"

#include <utility>

namespace {

using GetAttributeProc = GSErrCode (void*, API_Attribute*);
GetAttributeProc* getAttribute = nullptr;

GSErrCode GetSwapped (void* context, API_Attribute* attribute)
{
    const GSErrCode result = getAttribute (context, attribute);
    std::swap (attribute->surfaceRed, attribute->surfaceBlue);
    return result;
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor) { getAttribute = WrapSlot (table, apiMajor, SlotOf::HostGetAttribute, &GetSwapped); }
