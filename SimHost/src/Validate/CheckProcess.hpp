// A check in a child process of its own: the one place validate asks which system it runs on.
// On Linux the child is a fork of the host; on Windows the host starts itself again with
// CheckChildArgument, the check's name and the handles it shares with the child.
#pragma once

#include "SimHost/Validation.hpp"

#include <memory>
#include <optional>
#include <string>

namespace SimHost {

// The hidden first argument of a Windows check child: virel-host validate-child ...
inline constexpr const char* CheckChildArgument = "validate-child";

// How a check's child process ended.
struct ChildEnd {
    bool        passed = false;
    std::string crash;   // the signal on Linux ("SIGSEGV"), the exception code on Windows ("0xC0000005")
};

// [in the child] Runs the check on a UI thread of its own; returns what went wrong, empty when it passed.
std::string RunCheckHere (const ValidationCheck& check, const ValidationContext& context);

class CheckChild {
public:
    // Starts the check; throws std::runtime_error saying what could not be had.
    CheckChild (const ValidationCheck& check, const ValidationContext& context);
    ~CheckChild ();   // kills a child still running
    CheckChild (const CheckChild&) = delete;
    CheckChild& operator= (const CheckChild&) = delete;

    // Waits up to 'milliseconds' for the child to report or end; appends what it reported.
    void Wait (int milliseconds, std::string& report);
    // The steps the check has reported so far.
    UInt64 Steps () const;
    // How the child ended; nothing while it runs.
    std::optional<ChildEnd> Ended ();
    void                    Kill ();
    // [once ended] Appends the rest of what it reported.
    void ReadRest (std::string& report);

private:
    struct System;
    std::unique_ptr<System> system;
};

// [Windows] The child's side, from main: virel-host validate-child NAME SEED MEMORY PIPE ADDON.
// Returns the exit status; on Linux it says the build starts no such children.
int RunCheckChild (int argc, char** argv);

}   // namespace SimHost
