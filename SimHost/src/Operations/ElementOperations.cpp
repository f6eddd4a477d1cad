// Elements and the undo history.
#include "../HostOperations.hpp"
#include "../Checks/RecordBytes.hpp"

#include <cstring>

namespace SimHost::Operations {

namespace {

const UInt8* Bytes (const API_Element* record) { return reinterpret_cast<const UInt8*> (record); }
UInt8*       Bytes (API_Element* record) { return reinterpret_cast<UInt8*> (record); }

// The records a command changed, before and after, in GUID order.
std::vector<RecordChange> Changes (const std::map<GS::Guid, API_Element>& before, const std::map<GS::Guid, API_Element>& after)
{
    std::vector<RecordChange> changes;
    for (const auto& [guid, record] : after) {
        auto old = before.find (guid);
        if (old != before.end () && std::memcmp (&old->second, &record, sizeof record) != 0)
            changes.push_back ({ old->second, record });
    }
    return changes;
}

}   // namespace

GSErrCode HostGetElementHeader (Host& host, API_ElementHeader* header, UInt32)
{
    if (header == nullptr)
        return APIERR_BADPARS;
    if (const auto dirty = FirstDirtyByte (header, sizeof *header, { SpanOf (&API_ElementHeader::guid, *header) }))
        host.Violation (Breach::RecordNotZeroFilled, "HostGetElementHeader: byte " + std::to_string (*dirty));
    const API_Element* element = host.Elements ().Find (header->guid);
    if (element == nullptr)
        return APIERR_BADID;
    header->type = API_ElemType { element->typeID, 0, GS::Guid () };
    return NoError;
}

GSErrCode HostGetElement (Host& host, API_Element* element, UInt32)
{
    if (element == nullptr)
        return APIERR_BADPARS;
    if (const auto dirty = FirstDirtyByte (element, sizeof *element, { SpanOf (&API_Element::guid, *element) }))
        host.Violation (Breach::RecordNotZeroFilled, "HostGetElement: byte " + std::to_string (*dirty));
    const API_Element* stored = host.Elements ().Find (element->guid);
    if (stored == nullptr)
        return APIERR_BADID;
    std::memcpy (static_cast<void*> (element), stored, sizeof *element);
    return NoError;
}

GSErrCode HostCallUndoableCommand (Host& host, const GS::UniString* name, const API_UndoableCommandBody* body)
{
    if (name == nullptr || body == nullptr || !*body)
        return APIERR_BADPARS;
    ElementStore& elements = host.Elements ();
    UndoHistory&  history = elements.History ();
    if (history.InCommand ())
        return APIERR_NESTING;

    const std::map<GS::Guid, API_Element> before = elements.Records ();
    history.SetInCommand (true);
    GSErrCode result = NoError;
    try {
        result = (*body) ();
    } catch (...) {
        host.Violation (Breach::ExceptionEscaped, "an undoable command's body threw");
        result = APIERR_COMMANDFAILED;
    }
    history.SetInCommand (false);

    // a command that fails leaves no step and no change behind
    if (result != NoError) {
        for (const auto& [guid, record] : before)
            elements.Restore (record);
        return result;
    }
    const std::string stepName = name->ToCStr ().Get ();
    history.Record ({ stepName, Changes (before, elements.Records ()) });
    host.GetTranscript ().Add ({ { "undoStep", stepName } });
    return NoError;
}

GSErrCode HostChangeElement (Host& host, API_Element* element, const API_Element* mask, void* memo, UInt32 memoMask, bool withdel)
{
    if (element == nullptr || mask == nullptr)
        return APIERR_BADPARS;
    if (memo != nullptr || memoMask != 0 || !withdel)
        host.Violation (Breach::ElementChangeArguments, "HostChangeElement: memo, memo mask and withdel must be (null, 0, true)");
    host.Elements ().NoteChangeRequest (*element, *mask);
    if (!host.Elements ().History ().InCommand ()) {
        host.Violation (Breach::ElementChangeOutsideCommand, "HostChangeElement");
        return APIERR_NEEDSUNDOSCOPE;
    }
    API_Element* stored = host.Elements ().Find (element->guid);
    if (stored == nullptr)
        return APIERR_BADID;
    // the host reads the mask per field: a field whose first byte is marked is taken whole
    for (const API_ElementField& field : API_ElementChangeFields)
        if (Bytes (mask)[field.offset] == API_ChangeFieldMark)
            std::memcpy (Bytes (stored) + field.offset, Bytes (element) + field.offset, field.bytes);
    return NoError;
}

}   // namespace SimHost::Operations
