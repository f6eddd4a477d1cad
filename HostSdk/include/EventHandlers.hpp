// The host's event-handler interfaces. The host owns a handler once it is registered and
// calls it on its UI thread; the handler's code lives in the add-on.
#pragma once

#include "Array.hpp"
#include "Guid.hpp"
#include "UniString.hpp"

class API_IEventNotifier;

class GSROOT_API API_IEventHandler {
public:
    virtual ~API_IEventHandler ();
    virtual GS::UniString GetName () const = 0;
    // Registers this handler with the notifier; returns the notifier's result.
    virtual GSErrCode RegisterAt (API_IEventNotifier& notifier) const = 0;
};

// One affected attribute: its identifier and 8 bytes the host keeps for itself.
struct API_AttributeEventEntry {
    GS::Guid guid;
    UInt8    reserved[8];
};
static_assert (sizeof (API_AttributeEventEntry) == 24);
using API_AttributeEventIds = GS::Array<API_AttributeEventEntry>;

class GSROOT_API API_IObjectEventHandler {
public:
    virtual ~API_IObjectEventHandler ();
    virtual void NotifyBefore (const API_AttributeEventIds& affected) const = 0;    // notification 1
    virtual void NotifyCreated (const API_AttributeEventIds& affected) const = 0;   // notification 2
    virtual void NotifyChanged (const API_AttributeEventIds& affected) const = 0;   // notification 3
};

class GSROOT_API API_IAttributeFolderEventHandler : public API_IEventHandler, public API_IObjectEventHandler {
public:
    ~API_IAttributeFolderEventHandler () override;
};

class GSROOT_API API_IEventNotifier {
public:
    virtual ~API_IEventNotifier ();
    virtual GSErrCode RegisterEventHandler (const API_IEventHandler& handler) = 0;
};

class GSROOT_API API_IACEventNotifier : public API_IEventNotifier {
public:
    ~API_IACEventNotifier () override;
};
