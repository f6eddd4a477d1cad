#include "Painting/PaintMode.hpp"

#include "HostApi/HostApi.hpp"
#include "PageBridge/PageEvents.hpp"

namespace {
bool            painting = false;
API_ToolBoxItem toolboxRecord {};
}   // namespace

bool IsPainting () { return painting; }

API_ToolBoxItem& ToolboxRecord () { return toolboxRecord; }

void SetPainting (bool on)
{
    painting = on;
    if (on) {
        RunPageEvent ("VirelEvents.onIsPainting(true);");
    } else {
        HostGetToolboxMode (&toolboxRecord);
        RunPageEvent ("VirelEvents.onIsPainting(false);");
    }
}
