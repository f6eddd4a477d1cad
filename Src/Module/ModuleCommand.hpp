// The module's own command, which the host runs from its event loop when the module asks it
// to (deferred), and which the module installs a handler for.
#pragma once

#include "Definitions.hpp"

constexpr Int32 ModuleCommand = 16976;
constexpr Int32 ModuleCommandVersion = 1;
