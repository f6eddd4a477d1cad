// Fault injection: host operations that fail with a given code, and slots left empty.
#pragma once

#include "SimHost/HostOperation.hpp"

#include <map>
#include <optional>
#include <set>

namespace SimHost {

class Faults {
public:
    // The next 'count' calls (every call when none) of 'operation' fail with 'code'.
    void Fail (HostOperation operation, GSErrCode code, std::optional<int> count);
    // The code the current call fails with, counting it; none when it runs normally.
    std::optional<GSErrCode> Take (HostOperation operation);
    // Whether the next call of 'operation' would fail, without counting it.
    bool WouldFail (HostOperation operation) const;

    void                           EmptySlot (HostOperation operation) { emptySlots.insert (operation); }
    const std::set<HostOperation>& EmptySlots () const { return emptySlots; }

private:
    struct Failure {
        GSErrCode          code;
        std::optional<int> remaining;
    };
    std::map<HostOperation, Failure> failures;
    std::set<HostOperation>          emptySlots;
};

}   // namespace SimHost
