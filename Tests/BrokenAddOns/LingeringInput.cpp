// Never cancels a point input: endPaint, hiding and closing leave the pick waiting.
#include "ForwardingAddOn.hpp"

namespace {

// the slot shared by the point-input operations, told apart by their selector
using SharedInputProc = GSErrCode (void*, UInt32, void*, void*, void*, void*, void*);
SharedInputProc* sharedInput = nullptr;

GSErrCode InputWithoutCancel (void* context, UInt32 selector, void* a, void* b, void* c, void* d, void* e)
{
    if (selector == FourCC ("INCA"))
        return NoError;
    return sharedInput (context, selector, a, b, c, d, e);
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor)
{
    sharedInput = WrapSlot (table, apiMajor, SlotOf::HostCancelInput, &InputWithoutCancel);
}
