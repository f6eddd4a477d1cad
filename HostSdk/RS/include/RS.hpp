// RS: the host's resource library. Resources are compiled into a module file (an add-on)
// and read back from that file once it is loaded. [UI thread]
#pragma once

#include "Definitions.hpp"
#include "UniString.hpp"

#include <string>
#include <vector>

#if defined(RS_BUILDING)
#define RS_API __attribute__ ((visibility ("default")))
#else
#define RS_API __attribute__ ((visibility ("default")))
#endif

// A handle to the resources of one module file; -1 means none.
using GSResModule = Int64;
constexpr GSResModule InvalidResModule = -1;

// Opens the resources of the loaded module that contains the address 'moduleHandle'
// (any address inside the module, e.g. its load base). -1 when the module has none.
RS_API GSResModule RSInitModuleImageCache (GSHandle moduleHandle);
// Opens the resources of a module file by its path (the host reads an add-on's resources).
RS_API GSResModule RSOpenModuleFile (const char* path);
RS_API void        RSRemoveModuleImageCache (GSResModule resModule);

// String 'index' (1-based) of string list 'resId'. False, and 'text' left alone, when missing.
RS_API bool RSGetIndString_ParamAdapter (GS::UniString* text, Int32 resId, Int32 index, GSResModule resModule);

struct RSDialogItem {
    Int32       number = 0;   // 1-based item number
    std::string type;         // e.g. "Browser"
    std::string name;         // e.g. "Browser_0"
    Int32       x = 0, y = 0, width = 0, height = 0;
};

struct RSDialog {
    std::string               name;
    std::string               title;
    Int32                     width = 0, height = 0;
    std::vector<RSDialogItem> items;
};

RS_API bool RSGetDialog (GSResModule resModule, Int32 resId, RSDialog* dialog);

// Module identifier resource: two 32-bit values (developer and module).
RS_API bool RSGetModuleIdentifier (GSResModule resModule, Int32 resId, UInt32* developerId, UInt32* moduleId);

struct RSImage {
    std::string                name;     // e.g. "I10001&96", or "" for the file icon's images
    std::string                format;   // "PNG" or "BMP"
    Int32                      width = 0, height = 0;
    std::vector<unsigned char> data;   // the encoded image, as a file of that format holds it
};

// The images of icon 'resId' (type "icon") or of icon group 'resId' (type "icon group").
RS_API bool RSGetIcons (GSResModule resModule, const char* type, Int32 resId, std::vector<RSImage>* images);
