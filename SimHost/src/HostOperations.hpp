// The host's implementation of every operation of the function table: one function per
// operation, with the operation's own signature after the host. Declared from the table's
// lists, so an implementation with the wrong signature does not link.
#pragma once

#include "SimHost/Host.hpp"

namespace SimHost::Operations {

template <class Signature> struct WithHost;
template <class R, class... A> struct WithHost<R (A...)> {
    using Type = R (Host&, A...);
};

#define VIREL_DECLARE_OPERATION(name, signature, ...) WithHost<signature>::Type name;
VIREL_HOST_OPERATIONS (VIREL_DECLARE_OPERATION)
VIREL_HOST_SELECTOR_OPERATIONS (VIREL_DECLARE_OPERATION)
#undef VIREL_DECLARE_OPERATION

// A HostRegisterEventHandler call that a fault refuses still hands the host its handler.
void RefusedHostRegisterEventHandler (Host& host, API_IEventHandler* handler, GS::Guid* registrationId);

// HostWriteReport, already formatted.
GSErrCode HostWriteReport (Host& host, const std::string& text, bool withDialog);

}   // namespace SimHost::Operations
