// Menus, palettes, host events, module commands, the toolbox and reports.
#include "../HostOperations.hpp"
#include "../Checks/RecordBytes.hpp"

#include <cstring>

namespace SimHost::Operations {

namespace {

constexpr Int32 PaletteFlags = 1015;

// The reference number is the wrapping sum of the palette GUID's four 32-bit words; the flags
// are fixed; the record is zero-filled around its fields.
void CheckPaletteRegistration (Host& host, const API_PaletteRegistration& registration)
{
    const API_PaletteRegistration& r = registration;
    if (const auto dirty =
            FirstDirtyByte (&r, sizeof r,
                            { SpanOf (&API_PaletteRegistration::referenceNumber, r), SpanOf (&API_PaletteRegistration::controlCallback, r),
                              SpanOf (&API_PaletteRegistration::flags, r), SpanOf (&API_PaletteRegistration::paletteGuid, r) }))
        host.Violation (Breach::RecordNotZeroFilled, "HostRegisterModelessWindow: byte " + std::to_string (*dirty));
    UInt32 words[4];
    std::memcpy (words, &r.paletteGuid, sizeof words);
    const UInt32 sum = words[0] + words[1] + words[2] + words[3];
    if (r.referenceNumber != sum || r.flags != PaletteFlags)
        host.Violation (Breach::PaletteRegistration, "HostRegisterModelessWindow: reference " + std::to_string (r.referenceNumber) +
                                                         ", flags " + std::to_string (r.flags));
}

}   // namespace

GSErrCode HostRegisterMenu (Host& host, const API_MenuRecord* menu)
{
    if (menu == nullptr)
        return APIERR_BADPARS;
    if (const auto dirty = FirstDirtyByte (menu, sizeof *menu, { { 0, 12 } }))
        host.Violation (Breach::RecordNotZeroFilled, "HostRegisterMenu: byte " + std::to_string (*dirty));
    host.Registrations ().menus.push_back (*menu);
    return NoError;
}

GSErrCode HostRegisterModuleCommand (Host& host, Int32 command, Int32 version)
{
    host.Registrations ().moduleCommands.emplace_back (command, version);
    return NoError;
}

GSErrCode HostInstallMenuHandler (Host& host, Int16 menuResId, APIMenuCommandProc* handler)
{
    AddOnRegistrations& registrations = host.Registrations ();
    bool                registered = false;
    for (const API_MenuRecord& menu : registrations.menus)
        registered = registered || menu.menuResId == menuResId;
    if (!registered || handler == nullptr)
        return APIERR_BADPARS;
    registrations.menuHandlers[menuResId] = handler;
    return NoError;
}

GSErrCode HostInstallModuleCommandHandler (Host& host, Int32 command, Int32 version, APIModuleCommandProc* handler)
{
    if (handler == nullptr)
        return APIERR_BADPARS;
    host.Registrations ().moduleCommandHandlers[{ command, version }] = handler;
    return NoError;
}

GSErrCode HostRegisterModelessWindow (Host& host, const API_PaletteRegistration* registration)
{
    if (registration == nullptr || registration->controlCallback == nullptr)
        return APIERR_BADPARS;
    CheckPaletteRegistration (host, *registration);
    host.Registrations ().palette = *registration;
    return NoError;
}

void HostKeepModuleLoaded (Host& host, bool keep) { host.Registrations ().keepLoaded = keep; }

GSErrCode HostCatchEvents (Host& host, Int32 eventMask, APIEventHandlerProc* handler)
{
    // one registration per add-on: a later one replaces it
    host.Registrations ().eventMask = eventMask;
    host.Registrations ().eventHandler = handler;
    return NoError;
}

GSErrCode HostClearNotifyHandler (Host&, APIProjectNotifyHandlerProc*)
{
    // project notifications are a kind of their own; the event registration stays
    return NoError;
}

GSErrCode HostCallModuleCommandDeferred (Host& host, const API_ModulID* module, Int32 command, Int32 version, GSHandle params, bool silent,
                                         void* callback)
{
    if (params != nullptr || !silent || callback != nullptr)
        host.Violation (Breach::DeferredCommandArguments,
                        "HostCallModuleCommandDeferred: parameters, silent and callback must be (null, true, null)");
    const std::optional<API_ModulID> own = host.AddOnModuleId ();
    AddOnRegistrations&              registrations = host.Registrations ();
    bool                             commandRegistered = false;
    for (const auto& registered : registrations.moduleCommands)
        commandRegistered = commandRegistered || registered == std::pair (command, version);
    if (module == nullptr || !own.has_value () || module->developerId != own->developerId || module->localId != own->localId ||
        !commandRegistered)
        return APIERR_MODULNOTINSTALLED;
    host.QueueDeferred ([&host, command, version] {
        auto handler = host.Registrations ().moduleCommandHandlers.find ({ command, version });
        if (handler == host.Registrations ().moduleCommandHandlers.end ())
            return;
        host.Returned (host.Guarded ("the module command handler", GSErrCode (APIERR_GENERAL),
                                     [&] { return handler->second (nullptr, nullptr, true); }));
    });
    return NoError;
}

GSErrCode HostGetToolboxMode (Host&, API_ToolBoxItem* item)
{
    if (item == nullptr)
        return APIERR_BADPARS;
    return NoError;
}

GSErrCode HostSetToolboxMode (Host&, API_ToolBoxItem* item)
{
    if (item == nullptr)
        return APIERR_BADPARS;
    return NoError;
}

GSErrCode HostWriteReport (Host& host, const std::string& text, bool withDialog)
{
    if (!withDialog)
        host.Violation (Breach::ReportNotUserVisible, text);
    host.GetTranscript ().Add ({ { "report", text } });
    return NoError;
}

}   // namespace SimHost::Operations
