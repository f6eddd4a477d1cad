#include "SimHost/Faults.hpp"

namespace SimHost {

void Faults::Fail (HostOperation operation, GSErrCode code, std::optional<int> count) { failures[operation] = Failure { code, count }; }

std::optional<GSErrCode> Faults::Take (HostOperation operation)
{
    auto found = failures.find (operation);
    if (found == failures.end ())
        return std::nullopt;
    Failure& failure = found->second;
    if (failure.remaining.has_value ()) {
        if (*failure.remaining <= 0) {
            failures.erase (found);
            return std::nullopt;
        }
        --*failure.remaining;
    }
    return failure.code;
}

bool Faults::WouldFail (HostOperation operation) const
{
    auto found = failures.find (operation);
    return found != failures.end () && (!found->second.remaining.has_value () || *found->second.remaining > 0);
}

}   // namespace SimHost
