// Bases of the host's event sources and observers (DG panels and their observers).
#pragma once

#include "Definitions.hpp"

namespace GS {

class EventSource;

class GSROOT_API EventObserver {
public:
    virtual ~EventObserver ();
};

class GSROOT_API EventSource {
public:
    virtual ~EventSource ();
};

}   // namespace GS
