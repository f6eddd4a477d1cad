// Never returns from reading an element, which only the page's paintElement does.
#include "ForwardingAddOn.hpp"

#include <unistd.h>

namespace {

GSErrCode HangingGetElement (void*, API_Element*, UInt32)
{
    for (;;)
        sleep (1);
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor) { WrapSlot (table, apiMajor, SlotOf::HostGetElement, &HangingGetElement); }
