// Paint mode: the module-wide state in which the page expects the user to click element
// faces in the 3D window. [host's UI thread]
#pragma once

#include "InterfaceRecords.hpp"

bool IsPainting ();
// Sets the flag and tells the page; leaving paint mode also asks the host for the toolbox
// mode. With no palette held the line has nowhere to go and is dropped; nothing raises.
void SetPainting (bool on);
// The toolbox record handed to the host whenever paint mode is left; never read.
API_ToolBoxItem& ToolboxRecord ();
