#include "EventHandlers.hpp"

// Out-of-line destructors give the interfaces one type identity across the host and its add-ons.
API_IEventHandler::~API_IEventHandler () = default;
API_IObjectEventHandler::~API_IObjectEventHandler () = default;
API_IAttributeFolderEventHandler::~API_IAttributeFolderEventHandler () = default;
API_IEventNotifier::~API_IEventNotifier () = default;
API_IACEventNotifier::~API_IACEventNotifier () = default;
