#include "Palette/PageLoading.hpp"

#include "Module/ModuleFile.hpp"
#include "Palette/BrowserPalette.hpp"
#include "Palette/PageUrl.hpp"

#include "ApiErrors.hpp"

GSErrCode GetAddOnFileLocation (IO::Location& location)
{
    static const IO::Location moduleLocation (GS::UniString (ModuleFile::Path ().c_str ()));
    if (moduleLocation.GetStatus () != NoError) {
        location.Clear ();
        return APIERR_NOTINIT;
    }
    location = moduleLocation;
    return NoError;
}

void LoadPage (BrowserPalette& palette)
{
    IO::Location location;
    GetAddOnFileLocation (location);
    // the whole path: a fixed path buffer would cut long folders and break the URL
    GS::UniString path;
    location.ToPath (&path);
    const std::string url = PageUrlFromModulePath (path.ToCStr ().Get ());
    palette.GetBrowser ().OpenUrl (GS::UniString (url.c_str ()));
}
