#include "ValidationChecks.hpp"

namespace SimHost {

const std::vector<ValidationCheck>& ValidationChecks ()
{
    static const std::vector<ValidationCheck> checks {
        { "entry-misuse", "every entry before the table, twice, and after release: the fixed codes, no crash", &CheckEntryMisuse },
        { "lifecycle-stress", "50 whole sessions from load to unload: the host's blocks back where they started after each",
          &CheckLifecycleStress },
        { "fault-sweep", "each host operation of a session failing, then its slot empty: no crash, violation, leak or hidden material",
          &CheckFaultSweep },
        { "bridge-fuzz", "seeded hostile arguments for every script function: documented exceptions only, no crash, memory balanced",
          &CheckBridgeFuzz },
        { "undo-exact", "undoing a paint restores the element record byte for byte, redo reapplies it", &CheckUndoExact },
        { "notification-storm", "1,000 notifications of 1,000 materials: one catalogue per concerning one, host calls linear",
          &CheckNotificationStorm },
        { "catalogue-agrees", "seeded page imports, deletions and host-side changes: every catalogue text is the host's own rendering",
          &CheckCatalogueAgrees },
        { "paint-agrees", "seeded paints of every face kind: only the slot the host's table names changes, one step each, undo exact",
          &CheckPaintAgrees },
        { "pick-lifecycle", "seeded picks ended every way: one input each, none left waiting, the page told what the host sees",
          &CheckPickLifecycle },
        { "after-release", "page calls, messages, notifications and event 64 after ReleaseModule: no use of the context, no crash",
          &CheckAfterRelease },
        { "notifications-agree", "seeded host-side changes and notifications: a catalogue exactly when one of its materials is named",
          &CheckNotificationsAgree },
    };
    return checks;
}

}   // namespace SimHost
