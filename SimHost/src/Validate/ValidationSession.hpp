// One host with the add-on under validation, driven by scenario steps, with the checks every
// validation makes: no violation, and the host's memory back where it was.
#pragma once

#include "SimHost/Host.hpp"
#include "SimHost/Validation.hpp"

#include <memory>
#include <string>
#include <vector>

namespace SimHost {

void Require (bool condition, const std::string& failure);

// A JSON text as a scenario string value.
std::string Quoted (const std::string& text);
// {"do":"call","fn":F,"arg":A}
std::string CallStep (const std::string& function, const std::string& argument);

class ValidationSession {
public:
    explicit ValidationSession (const ValidationContext& context);
    ~ValidationSession ();

    Host& GetHost () { return *host; }
    // Runs steps (one a line) and returns the lines they added.
    std::vector<Line> Run (const std::string& steps);
    // The GUIDs of the materials the host holds now, with their folder paths.
    std::vector<std::pair<std::string, std::vector<std::string>>> Materials ();
    // Fails on the first contract violation so far.
    void RequireNoViolation ();
    // Unloads the add-on if it is loaded, then fails unless the blocks are back at 'blocks'.
    void RequireBlocksBackAt (USize blocks, const std::string& when);

private:
    std::unique_ptr<Host> host;
};

// The lines of 'lines' with 'key'.
std::vector<Line> LinesWith (const std::vector<Line>& lines, const std::string& key);

// A whole session of the add-on's features, used by the stress and fault checks: load, open
// the palette, read, import, delete, hear a notification, pick and paint, undo, redo, close,
// event 64 and unload. 'tolerant': steps that cannot run (no palette after a failure) are skipped.
void RunFullSession (ValidationSession& session, bool addElement, bool tolerant);

}   // namespace SimHost
