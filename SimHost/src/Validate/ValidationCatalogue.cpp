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
    };
    return checks;
}

}   // namespace SimHost
