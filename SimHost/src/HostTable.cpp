#include "HostTable.hpp"

#include "HostOperations.hpp"

#include "CH.hpp"
#include "GSHostDebug.hpp"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <tuple>
#include <type_traits>

namespace SimHost {

namespace {

template <class R> R FailedResult (GSErrCode code)
{
    if constexpr (std::is_void_v<R>)
        return;
    else if constexpr (std::is_pointer_v<R>)
        return nullptr;
    else
        return R (code);
}

template <class Signature> struct Slot;
template <class R, class... A> struct Slot<R (A...)> {
    // Every call: log it, check the contract, fail it if a fault says so, else run it.
    template <HostOperation operation, R (*implementation) (Host&, A...)> static R Context (void* context, A... arguments)
    {
        Host& host = Host::Current ();
        host.Enter (operation, true, context);
        if (std::optional<GSErrCode> code = host.GetFaults ().Take (operation)) {
            if constexpr (operation == HostOperation::HostRegisterEventHandler)
                Operations::RefusedHostRegisterEventHandler (host, arguments...);
            return FailedResult<R> (*code);
        }
        return implementation (host, arguments...);
    }

    template <HostOperation operation, R (*implementation) (Host&, A...)> static R Bare (A... arguments)
    {
        Host& host = Host::Current ();
        host.Enter (operation, false, nullptr);
        if (std::optional<GSErrCode> code = host.GetFaults ().Take (operation))
            return FailedResult<R> (*code);
        return implementation (host, arguments...);
    }

    // A shared slot's operation: its arguments come from the variadic call, in order.
    template <HostOperation operation, R (*implementation) (Host&, A...)> static R FromVariadic (void* context, std::va_list* arguments)
    {
        Host& host = Host::Current ();
        host.Enter (operation, true, context);
        if (std::optional<GSErrCode> code = host.GetFaults ().Take (operation))
            return FailedResult<R> (*code);
        std::tuple<A...> read { NextArgument<A> (arguments)... };
        (void)arguments;   // an operation with no arguments of its own reads none
        return std::apply ([&] (A... unpacked) { return implementation (host, unpacked...); }, read);
    }

    template <class T> static T NextArgument (std::va_list* arguments)
    {
        if constexpr (std::is_pointer_v<T>)
            return va_arg (*arguments, T);
        else if constexpr (std::is_same_v<T, bool>)
            return va_arg (*arguments, int) != 0;
        else if constexpr (sizeof (T) <= sizeof (int))
            return T (va_arg (*arguments, int));
        else
            return T (va_arg (*arguments, long long));
    }
};

GSErrCode SharedSlot (void* context, UInt32 selector, ...)
{
    std::va_list arguments;
    va_start (arguments, selector);
    GSErrCode result = APIERR_BADPARS;
    bool      known = false;
#define VIREL_DISPATCH_SELECTOR(name, signature, operationSelector, ...)                                      \
    if (!known && selector == operationSelector) {                                                            \
        known = true;                                                                                         \
        result = Slot<signature>::FromVariadic<HostOperation::name, &Operations::name> (context, &arguments); \
    }
    VIREL_HOST_SELECTOR_OPERATIONS (VIREL_DISPATCH_SELECTOR)
#undef VIREL_DISPATCH_SELECTOR
    va_end (arguments);
    if (!known)
        Host::Current ().Violation (Breach::UnknownSelector, CodeText (Int32 (selector)));
    return result;
}

GSErrCode WriteReportSlot (void* context, const char* format, Int32 withDialog, ...)
{
    Host& host = Host::Current ();
    host.Enter (HostOperation::HostWriteReport, true, context);
    if (std::optional<GSErrCode> code = host.GetFaults ().Take (HostOperation::HostWriteReport))
        return *code;   // a failing report shows nothing
    std::va_list arguments;
    va_start (arguments, withDialog);
    const std::string text = GS::VFormat (format, arguments);
    va_end (arguments);
    return Operations::HostWriteReport (host, text, withDialog != 0);
}

}   // namespace

std::vector<unsigned char> BuildHostTable (Int32 apiMajor, const std::set<HostOperation>& emptySlots)
{
    std::vector<unsigned char> table (HostTableBytes (apiMajor), 0);
    auto                       fill = [&] (HostOperation operation, Int32 offset28, Int32 offset27, void* function) {
        if (emptySlots.count (operation) == 0)
            WriteSlot (table.data (), SlotOffset (apiMajor, offset28, offset27), function);
    };
#define VIREL_FILL_SLOT(name, signature, call, offset28, offset27, empty) \
    fill (HostOperation::name, offset28, offset27,                        \
          reinterpret_cast<void*> (&Slot<signature>::call<HostOperation::name, &Operations::name>));
    VIREL_HOST_OPERATIONS (VIREL_FILL_SLOT)
#undef VIREL_FILL_SLOT
    // A shared slot is filled once all its operations are; emptying one empties the slot.
#define VIREL_FILL_SHARED_SLOT(name, signature, selector, offset28, offset27, empty) \
    WriteSlot (table.data (), SlotOffset (apiMajor, offset28, offset27), reinterpret_cast<void*> (&SharedSlot));
    VIREL_HOST_SELECTOR_OPERATIONS (VIREL_FILL_SHARED_SLOT)
#undef VIREL_FILL_SHARED_SLOT
#define VIREL_EMPTY_SHARED_SLOT(name, signature, selector, offset28, offset27, empty) \
    if (emptySlots.count (HostOperation::name) != 0)                                  \
        WriteSlot (table.data (), SlotOffset (apiMajor, offset28, offset27), nullptr);
    VIREL_HOST_SELECTOR_OPERATIONS (VIREL_EMPTY_SHARED_SLOT)
#undef VIREL_EMPTY_SHARED_SLOT
#define VIREL_FILL_REPORT_SLOT(name, offset28, offset27, empty) \
    fill (HostOperation::name, offset28, offset27, reinterpret_cast<void*> (&WriteReportSlot));
    VIREL_HOST_REPORT_OPERATION (VIREL_FILL_REPORT_SLOT)
#undef VIREL_FILL_REPORT_SLOT
    return table;
}

}   // namespace SimHost
