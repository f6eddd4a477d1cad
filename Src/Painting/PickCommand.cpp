#include "PickCommand.hpp"

#include "HostBoundary.hpp"
#include "PaintMode.hpp"

GSErrCode PickCommandHandler (GSHandle, GSPtr, bool)
{
    return CallFromHost ([] {
        if (!IsPainting ())
            return;
    });
}
