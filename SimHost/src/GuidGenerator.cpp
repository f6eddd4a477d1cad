#include "SimHost/GuidGenerator.hpp"

#include <cstring>

namespace SimHost {

GS::Guid GuidGenerator::Next ()
{
    const UInt64 high = engine ();
    const UInt64 low = engine ();
    GS::Guid     guid;
    std::memcpy (static_cast<void*> (&guid), &high, 8);
    std::memcpy (reinterpret_cast<unsigned char*> (static_cast<void*> (&guid)) + 8, &low, 8);
    if (guid.IsNull ())
        guid.data1 = 1;
    return guid;
}

}   // namespace SimHost
