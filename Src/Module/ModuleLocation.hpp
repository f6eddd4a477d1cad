// Which loaded module this code lives in and its file: the one place the add-on asks the
// system for it.
#pragma once

#include <string>

namespace ModuleLocation {

struct Module {
    void*       handle = nullptr;   // the module's load address, as RS takes it
    std::string path;               // its file, whole and absolute, in UTF-8 (the host's 8-bit text)
};

// [library load] The module containing this function. Linux: the dynamic loader's record,
// a relative name resolved against the working directory. Windows: the module's handle and
// its file name, as the loader found it, converted from UTF-16.
Module ThisModule ();

}   // namespace ModuleLocation
