#include "EventObserver.hpp"

GS::EventObserver::~EventObserver () = default;
GS::EventSource::~EventSource () = default;
