// Lets an exception out of its palette control callback when the host asks whether the
// palette is open (message 7).
#include "ForwardingAddOn.hpp"

#include <stdexcept>

namespace {

using RegisterProc = GSErrCode (void*, const API_PaletteRegistration*);
RegisterProc*                  registerPalette = nullptr;
APIPaletteControlCallBackProc* realCallback = nullptr;

GSErrCode ThrowingCallback (Int32 reference, Int32 message, bool* result)
{
    if (message == 7)
        throw std::runtime_error ("palette state unknown");
    return realCallback (reference, message, result);
}

GSErrCode RegisterThrowing (void* context, const API_PaletteRegistration* registration)
{
    API_PaletteRegistration changed = *registration;
    realCallback = changed.controlCallback;
    changed.controlCallback = &ThrowingCallback;
    return registerPalette (context, &changed);
}

}   // namespace

void Break (unsigned char* table, Int32 apiMajor)
{
    registerPalette = WrapSlot (table, apiMajor, SlotOf::HostRegisterModelessWindow, &RegisterThrowing);
}
