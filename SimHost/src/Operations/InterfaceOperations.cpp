// Menus, palettes, host events, module commands, the toolbox and reports.
#include "../HostOperations.hpp"

namespace SimHost::Operations {

GSErrCode HostRegisterMenu (Host& host, const API_MenuRecord* menu)
{
    if (menu == nullptr)
        return APIERR_BADPARS;
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
    bool registered = false;
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

GSErrCode HostCallModuleCommandDeferred (Host& host, const API_ModulID* module, Int32 command, Int32 version, GSHandle, bool, void*)
{
    const std::optional<API_ModulID> own = host.AddOnModuleId ();
    AddOnRegistrations& registrations = host.Registrations ();
    bool commandRegistered = false;
    for (const auto& registered : registrations.moduleCommands)
        commandRegistered = commandRegistered || registered == std::pair (command, version);
    if (module == nullptr || !own.has_value () || module->developerId != own->developerId || module->localId != own->localId ||
        !commandRegistered)
        return APIERR_MODULNOTINSTALLED;
    host.QueueDeferred ([&host, command, version] {
        auto handler = host.Registrations ().moduleCommandHandlers.find ({ command, version });
        if (handler == host.Registrations ().moduleCommandHandlers.end ())
            return;
        host.Returned (handler->second (nullptr, nullptr, true));
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

GSErrCode HostWriteReport (Host& host, const std::string& text, bool)
{
    host.GetTranscript ().Add ({ { "report", text } });
    return NoError;
}

}   // namespace SimHost::Operations
