// Setting a material into the override slot of an element that a face kind selects, as one
// undoable step.
#pragma once

#include "ElementRecords.hpp"

// [inside a page call] Looks the material up, sets the slot that 'faceKind' selects in
// 'element' (flag 1, the material's index) and changes the element in the undoable command
// "Paint Element". The command runs even when the face kind selects no slot (an empty
// change). Nothing runs for an element of type 6, nor for a material the host does not
// have. Returns the command's result, or 0 when nothing ran.
GSErrCode ApplyPaint (API_Element& element, const GS::Guid& material, Int32 faceKind);
