#include "PageBridge/PageEvents.hpp"

#include "DGBrowser.hpp"

namespace {
DG::Browser* eventPage = nullptr;
}

void SetEventPage (DG::Browser* browser) { eventPage = browser; }

bool HasEventPage () { return eventPage != nullptr; }

void RunPageEventIn (DG::Browser& browser, const char* line) { browser.RunScript (GS::UniString (line)); }

void RunPageEvent (const char* line)
{
    if (eventPage != nullptr)
        RunPageEventIn (*eventPage, line);
}
