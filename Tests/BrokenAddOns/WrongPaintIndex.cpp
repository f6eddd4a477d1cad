// Paints with the wrong material: every override slot it marks gets the next index.
#include "ForwardingAddOn.hpp"

#include <cstring>

namespace {

using ChangeElementProc = GSErrCode (void*, API_Element*, const API_Element*, void*, UInt32, bool);
ChangeElementProc* changeElement = nullptr;

GSErrCode ChangeWithNextIndex (void* context, API_Element* element, const API_Element* mask, void* memo, UInt32 memoMask, bool withdel)
{
    auto*       bytes = reinterpret_cast<UInt8*> (element);
    const auto* marked = reinterpret_cast<const UInt8*> (mask);
    for (USize offset = 0; offset + 8 <= sizeof (API_Element); ++offset)
        if (marked[offset] == 0xFF) {
            Int32 index = 0;
            std::memcpy (&index, bytes + offset + 4, sizeof index);
            ++index;
            std::memcpy (bytes + offset + 4, &index, sizeof index);
        }
    return changeElement (context, element, mask, memo, memoMask, withdel);
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor)
{
    changeElement = WrapSlot (table, apiMajor, SlotOf::HostChangeElement, &ChangeWithNextIndex);
}
