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

// The small project the page-call checks start from: the material Chalk in Surfaces/Virel
// (SmallProjectMaterial), a wall with one face of kind 0x4002 (SmallProjectWall), the 3D window
// in front and the palette open.
constexpr const char* SmallProjectMaterial = "8F2C14A0-3B1D-4E5F-9A6B-7C8D9E0F1A2B";
constexpr const char* SmallProjectWall = "11111111-2222-3333-4444-555555555555";
void                  OpenPaletteInSmallProject (ValidationSession& session);
// The step that puts the small project's material back into a fresh material store.
std::string SmallProjectMaterialStep ();

// Fails unless the lines of one page call end it as the page expects: with a result or with
// an exception whose message is meant for the page, never one of the C++ runtime's.
void RequireDocumentedOutcome (const std::vector<Line>& lines, const std::string& function);

// A whole session of the add-on's features, used by the stress and fault checks: load, open
// the palette, read, import, delete, hear a notification, pick and paint, undo, redo, close,
// event 64 and unload. 'tolerant': steps that cannot run (no palette after a failure) are skipped.
void RunFullSession (ValidationSession& session, bool addElement, bool tolerant);

}   // namespace SimHost
