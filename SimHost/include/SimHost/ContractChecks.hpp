// The host's contract checks: every breach of the contract between host and add-on that the
// host can detect, each a named entry of one catalogue. A breach is recorded when it happens
// (Host::Violation) and printed as {"violation":NAME,"detail":S}.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace SimHost {

// name in code, kebab-case name, one-line description
// clang-format off
#define VIREL_CONTRACT_CHECKS(X)                                                                                         \
    X (OffUiThread, "off-ui-thread", "a host operation or entry ran on a thread other than the host's UI thread")        \
    X (CallBeforeTable, "call-before-table", "a host operation was called before the add-on was handed the table")       \
    X (CallAfterRelease, "call-after-release", "a host operation was called with the host context after ReleaseModule")  \
    X (CallAfterUnload, "call-after-unload", "a host operation was called after the add-on was unloaded")                \
    X (NullContext, "null-context", "an operation that takes the host context got null while the add-on is initialised") \
    X (ForeignContext, "foreign-context", "an operation got a host context the host never gave")                          \
    X (RecordNotZeroFilled, "record-not-zero-filled", "a record handed to the host has a nonzero byte outside the fields the add-on sets") \
    X (UnterminatedText, "unterminated-text", "a text field of a record does not end inside the field")                   \
    X (ShowArgument, "show-argument", "a palette was shown with a reference item other than -32768")                      \
    X (ResizeArguments, "resize-arguments", "a dialog was resized with a fix point other than 1 or with keep-old set")    \
    X (EventProcessingOff, "event-processing-off", "the page or the palette was used while its palette processed no events") \
    X (PaletteGuid, "palette-guid", "a palette was built with a GUID other than the one it was registered with")          \
    X (PaletteRegistration, "palette-registration", "a palette registration whose reference number or flags are not the fixed ones") \
    X (ReportNotUserVisible, "report-not-user-visible", "HostWriteReport was called without the user-visible flag")      \
    X (ElementChangeArguments, "element-change-arguments", "HostChangeElement was called with a memo, a memo mask or withdel false") \
    X (DeferredCommandArguments, "deferred-command-arguments", "HostCallModuleCommandDeferred was called with parameters, not silent, or with a callback") \
    X (ElementSearchRecord, "element-search-record", "an element search without type all zero, filter 6 and height 1000000.0") \
    X (ElementChangeOutsideCommand, "element-change-outside-command", "HostChangeElement was called outside an undoable command") \
    X (NestedPointInput, "nested-point-input", "a point input was started while another one was waiting")                 \
    X (ExceptionEscaped, "exception-escaped", "an exception left an add-on function that the host called")               \
    X (BlockLeakedAtUnload, "block-leaked-at-unload", "blocks of the host's memory manager were still allocated after the add-on was unloaded") \
    X (StayedLoaded, "stayed-loaded", "the add-on file stayed loaded after the host unloaded it")                          \
    X (UnknownSelector, "unknown-selector", "a shared slot was called with a selector the host does not know")            \
    X (ForeignSight, "foreign-sight", "HostReleaseSight was given a sight the host did not give or has taken back")       \
    X (HandlerRegisteredTwice, "handler-registered-twice", "HostRegisterEventHandler was given a handler the host already owns")
// clang-format on

enum class Breach : int {
#define VIREL_BREACH_ENUM(id, name, description) id,
    VIREL_CONTRACT_CHECKS (VIREL_BREACH_ENUM)
#undef VIREL_BREACH_ENUM
        Count
};

struct ContractCheck {
    std::string_view name;
    std::string_view description;
};

const ContractCheck&              ContractCheckOf (Breach breach);
const std::vector<ContractCheck>& ContractCatalogue ();

// A breach as it happened.
struct Violation {
    std::string name;
    std::string detail;
    bool        operator== (const Violation&) const = default;
};

}   // namespace SimHost
