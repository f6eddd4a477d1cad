// The host's undo history: named steps, each the element records it changed, before and
// after, so that undo and redo put them back byte for byte.
#pragma once

#include "ElementRecords.hpp"

#include <string>
#include <vector>

namespace SimHost {

class ElementStore;

struct RecordChange {
    API_Element before;
    API_Element after;
};

struct UndoStep {
    std::string               name;
    std::vector<RecordChange> changes;
};

class UndoHistory {
public:
    // A new step; what could be redone is gone.
    void Record (UndoStep step);
    // Puts the records of the last step back as they were before it (undo) or after it
    // (redo); false when there is nothing to undo or redo.
    bool Undo (ElementStore& elements);
    bool Redo (ElementStore& elements);

    // Oldest first, in both lists.
    std::vector<std::string> UndoNames () const;
    std::vector<std::string> RedoNames () const;

    // Whether an undoable command is running: changes are allowed only inside one.
    bool InCommand () const { return inCommand; }
    void SetInCommand (bool running) { inCommand = running; }

private:
    std::vector<UndoStep> done;
    std::vector<UndoStep> undone;   // the next to redo last
    bool                  inCommand = false;
};

}   // namespace SimHost
