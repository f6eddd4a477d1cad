// The checks of `virel-host validate`, one function each; each throws CheckFailed.
#pragma once

#include "SimHost/Validation.hpp"

namespace SimHost {

void CheckEntryMisuse (const ValidationContext& context);
void CheckLifecycleStress (const ValidationContext& context);
void CheckFaultSweep (const ValidationContext& context);
void CheckBridgeFuzz (const ValidationContext& context);
void CheckUndoExact (const ValidationContext& context);
void CheckNotificationStorm (const ValidationContext& context);
void CheckCatalogueAgrees (const ValidationContext& context);
void CheckPaintAgrees (const ValidationContext& context);
void CheckPickLifecycle (const ValidationContext& context);
void CheckAfterRelease (const ValidationContext& context);
void CheckNotificationsAgree (const ValidationContext& context);

}   // namespace SimHost
