// Never returns from reading an element, which only the page's paintElement does.
#include "ForwardingAddOn.hpp"

#include <chrono>
#include <thread>

namespace {

GSErrCode HangingGetElement (void*, API_Element*, UInt32)
{
    for (;;)
        std::this_thread::sleep_for (std::chrono::seconds (1));
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor) { WrapSlot (table, apiMajor, SlotOf::HostGetElement, &HangingGetElement); }
