// What an add-on has registered with the host: menus, handlers, its palette, its commands.
#pragma once

#include "InterfaceRecords.hpp"

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace SimHost {

struct AddOnRegistrations {
    std::vector<API_MenuRecord>                              menus;
    std::map<Int16, APIMenuCommandProc*>                     menuHandlers;
    std::vector<std::pair<Int32, Int32>>                     moduleCommands;   // command, version
    std::map<std::pair<Int32, Int32>, APIModuleCommandProc*> moduleCommandHandlers;
    std::optional<API_PaletteRegistration>                   palette;
    Int32                                                    eventMask = 0;   // one HostCatchEvents registration
    APIEventHandlerProc*                                     eventHandler = nullptr;
    bool                                                     keepLoaded = false;
};

}   // namespace SimHost
