#include "SimHost/UndoHistory.hpp"

#include "SimHost/ElementStore.hpp"

namespace SimHost {

void UndoHistory::Record (UndoStep step)
{
    done.push_back (std::move (step));
    undone.clear ();
}

bool UndoHistory::Undo (ElementStore& elements)
{
    if (done.empty ())
        return false;
    UndoStep step = std::move (done.back ());
    done.pop_back ();
    for (auto change = step.changes.rbegin (); change != step.changes.rend (); ++change)
        elements.Restore (change->before);
    undone.push_back (std::move (step));
    return true;
}

bool UndoHistory::Redo (ElementStore& elements)
{
    if (undone.empty ())
        return false;
    UndoStep step = std::move (undone.back ());
    undone.pop_back ();
    for (const RecordChange& change : step.changes)
        elements.Restore (change.after);
    done.push_back (std::move (step));
    return true;
}

std::vector<std::string> UndoHistory::UndoNames () const
{
    std::vector<std::string> names;
    for (const UndoStep& step : done)
        names.push_back (step.name);
    return names;
}

std::vector<std::string> UndoHistory::RedoNames () const
{
    std::vector<std::string> names;
    for (auto step = undone.rbegin (); step != undone.rend (); ++step)
        names.push_back (step->name);
    return names;
}

}   // namespace SimHost
