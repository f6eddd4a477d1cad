#include "ModuleFile.hpp"

#include "BrowserPalette.hpp"
#include "CH.hpp"
#include "HostApi.hpp"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

namespace ModuleFile {

namespace {

void*       moduleHandle = nullptr;
std::string modulePath;
GSResModule resourceModule = InvalidResModule;

// The system reports the module's file name as it was given to the loader; a relative name
// is resolved against the working directory at load, so the path is always whole and absolute.
std::string AbsolutePath (const char* reported)
{
    std::string path = reported == nullptr ? "" : reported;
    if (path.empty () || path.front () == '/')
        return path;
    std::string directory;
    for (USize size = 256;; size *= 2) {
        directory.resize (size);
        if (getcwd (directory.data (), size) != nullptr) {
            directory.resize (std::char_traits<char>::length (directory.c_str ()));
            break;
        }
        if (size > (1u << 20))
            return path;
    }
    if (path.rfind ("./", 0) == 0)
        path.erase (0, 2);
    return directory == "/" ? "/" + path : directory + "/" + path;
}

}   // namespace

void Load ()
{
    Dl_info info {};
    if (dladdr (reinterpret_cast<void*> (&Load), &info) != 0) {
        moduleHandle = info.dli_fbase;
        modulePath = AbsolutePath (info.dli_fname);
    }
    resourceModule = RSInitModuleImageCache (moduleHandle);
}

void Unload ()
{
    if (resourceModule != InvalidResModule) {
        RSRemoveModuleImageCache (resourceModule);
        resourceModule = InvalidResModule;
    }
    if (HostApi::Context () != nullptr) {
        DBPrintf ("Abnormal add-on termination (\"%s\")\n", modulePath.c_str ());
        HostApi::SetContext (nullptr);
    }
    BrowserPalette::ReleaseInstance ();
}

const std::string& Path () { return modulePath; }
GSResModule        ResourceModule () { return resourceModule; }

}   // namespace ModuleFile

// The library's load step runs as this file's last static initialiser, after the state above
// exists; the unload step runs before any static of the add-on is destroyed.
namespace {
struct LoadStep {
    LoadStep () { ModuleFile::Load (); }
} loadStep;
}

__attribute__ ((destructor)) static void UnloadModule ()
{
    try {
        ModuleFile::Unload ();
    } catch (...) {
    }
}
