// How a Windows module holds its resources, in the module's resource section, one resource
// per entry: written by the resource compiler (as a script and files for windres) and read by
// RS through the system's resource functions. Both sides build from this one description.
//
//   string list, palette dialog, module identifier, icon
//       a resource of the named type below, its identifier the resource's, its data the
//       payload that ResourceFormat.hpp describes for that type
//   icon group
//       a system icon group (RT_GROUP_ICON, the module file's icon as Windows shows it) and
//       one system icon (RT_ICON) per image: PNG images as the PNG file, BMP images as icon
//       bitmaps (BmpFormat.hpp)
//
// Windows names integer resources by 16 bits, 0 excluded: identifiers are 1 to 65535 there.
#pragma once

#include "BmpFormat.hpp"
#include "ResourceFormat.hpp"

namespace RS {

inline constexpr Int32 WindowsMaxResourceId = 65535;

// The resource type of each kind of resource; null for the icon group, the system's own.
inline constexpr const char* WindowsTypeName (ResourceType type)
{
    switch (type) {
        case ResourceType::StringList: return "VIRELSTRINGS";
        case ResourceType::PaletteDialog: return "VIRELDIALOG";
        case ResourceType::ModuleIdentifier: return "VIRELMODULEID";
        case ResourceType::Icon: return "VIRELICON";
        case ResourceType::IconGroup: return nullptr;
    }
    return nullptr;
}

// The icon file (.ico) that windres splits into an icon group and its icons.
inline constexpr UInt32 IconDirectorySize = 6;     // reserved 0, type 1, image count (16 bits each)
inline constexpr UInt32 IconFileEntrySize = 16;    // width, height, colours, reserved (8 bits each),
                                                   // planes, bits (16), data size, data offset (32)
inline constexpr UInt32 IconGroupEntrySize = 14;   // as the file's entry, the offset replaced by
                                                   // the 16-bit identifier of the image's icon

}   // namespace RS
