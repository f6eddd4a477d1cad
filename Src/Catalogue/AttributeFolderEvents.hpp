// Telling the page when the add-on's materials change in the project.
#pragma once

#include "EventHandlers.hpp"

// [palette creation, after the page is loaded] Registers the attribute-folder observer with
// the host, once per load: the first call that succeeds registers it, later palettes share it.
// Returns the host's result (0 once registered).
GSErrCode RegisterAttributeFolderHandler ();

// [attribute notification] Sends the page the fresh catalogue when any of the affected
// attributes is a catalogue material, or was one in the last catalogue the page got. Does
// nothing with no palette held, or while a page call changes the materials itself.
void CheckMaterialsModified (const API_AttributeEventIds& affected);

// Sends the held palette's page "VirelEvents.onMaterialsModified(" + catalogue text + ")";
// nothing with no palette held.
void NotifyMaterialsModified ();
