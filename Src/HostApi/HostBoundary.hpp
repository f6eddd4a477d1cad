// Where the host calls into the add-on: anything thrown stops here and becomes the result
// the host expects, so no handler repeats a try/catch and none forgets it.
#pragma once

#include "Definitions.hpp"

#include <type_traits>

template <class Work> GSErrCode CallFromHost (Work&& work, GSErrCode resultOnException = 0) noexcept
{
    try {
        if constexpr (std::is_void_v<decltype (work ())>) {
            work ();
            return 0;
        } else {
            return work ();
        }
    } catch (...) {
        return resultOnException;
    }
}
