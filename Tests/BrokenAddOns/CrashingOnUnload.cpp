// Crashes when its file is unloaded.
#include "ForwardingAddOn.hpp"

#include <csignal>

namespace {
struct CrashAtUnload {
    ~CrashAtUnload () { std::raise (SIGSEGV); }
} crashAtUnload;
}   // namespace

void Break (unsigned char*, Int32) {}
