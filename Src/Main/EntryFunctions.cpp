#include "HostApi/HostApi.hpp"
#include "HostApi/HostBoundary.hpp"
#include "Main/EntryPoints.hpp"
#include "Main/PaletteControl.hpp"
#include "Module/ModuleCommand.hpp"
#include "Module/ModuleFile.hpp"
#include "Module/ModuleResources.hpp"
#include "Painting/PickCommand.hpp"
#include "Palette/BrowserPalette.hpp"

#include "CH.hpp"

namespace {
constexpr GSErrCode DescribedResult = 2;
}

GSErrCode DescribeModule (API_EnvirParams* envir)
{
    if (!HostApi::TableReceived ())
        return NoError;
    return CallFromHost (
        [&] {
            RSGetIndString_ParamAdapter (&envir->addOnName, AddOnStringList, 1, ModuleFile::ResourceModule ());
            RSGetIndString_ParamAdapter (&envir->addOnDescription, AddOnStringList, 2, ModuleFile::ResourceModule ());
            return DescribedResult;
        },
        DescribedResult);
}

GSErrCode RegisterModuleInterface (void*)
{
    if (!HostApi::TableReceived ())
        return APIERR_GENERAL;
    return CallFromHost (
        [] {
            API_MenuRecord menu;
            BNFillMemory (&menu, sizeof menu, 0);
            menu.menuResId = MenuStringList;
            if (GSErrCode err = HostRegisterMenu (&menu); err != NoError)
                return err;
            return HostRegisterModuleCommand (ModuleCommand, ModuleCommandVersion);
        },
        APIERR_GENERAL);
}

GSErrCode InitializeModule (void* hostContext)
{
    if (!HostApi::TableReceived ())
        return APIERR_GENERAL;
    return CallFromHost (
        [&] {
            HostApi::SetContext (hostContext);
            if (GSErrCode err = HostInstallMenuHandler (MenuStringList, &MenuCommandHandler); err != NoError)
                return err;
            if (GSErrCode err = BrowserPalette::RegisterPaletteControl (&PaletteControlHandler); err != NoError)
                return err;
            return HostInstallModuleCommandHandler (ModuleCommand, ModuleCommandVersion, &PickCommandHandler);
        },
        APIERR_GENERAL);
}

GSErrCode ReleaseModule ()
{
    if (!HostApi::TableReceived ())
        return APIERR_GENERAL;
    // The palette is not destroyed here: it lives until host event 64 or the unload.
    HostApi::SetContext (nullptr);
    return NoError;
}
