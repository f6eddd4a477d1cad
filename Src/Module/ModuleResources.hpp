// The numbers of the add-on's resources, as its resource source numbers them.
#pragma once

#include "Definitions.hpp"

// The add-on's name (1) and description (2).
constexpr Int32 AddOnStringList = 32000;
// The module's own number: its menu's string list and its module identifier both carry it.
constexpr Int16 ModuleResource = 32500;
constexpr Int16 MenuStringList = ModuleResource;
constexpr Int32 ModuleIdentifierResource = ModuleResource;
// The palette's dialog.
constexpr Int16 PaletteDialog = 32600;
