// The host's script engine: calling a page's function the way the page does. Only the host
// calls functions; an add-on only provides them.
#pragma once

#include "JSObjects.hpp"

#include <string>

namespace JS {

// What the page sees of one call: a string, no value, or an exception's message.
struct CallOutcome {
    enum class Kind { String, NoValue, Exception } kind = Kind::NoValue;
    std::string text;
};

// The script engine calls a function the way a page does; an exception leaving the body
// ends the call and is reported with its message. [host's UI thread]
GSROOT_API CallOutcome Invoke (const Function& function, GS::Ref<Base, GS::Counter> argument);

}   // namespace JS
