#include "PageEvents.hpp"

#include "BrowserPalette.hpp"

void RunPageEventIn (BrowserPalette& palette, const char* line) { palette.GetBrowser ().RunScript (GS::UniString (line)); }

void RunPageEvent (const char* line)
{
    if (BrowserPalette::HasInstance ())
        RunPageEventIn (BrowserPalette::GetInstance (), line);
}
