#include "Module/ModuleFile.hpp"

#include "HostApi/HostApi.hpp"
#include "Module/Lasting.hpp"

#include "CH.hpp"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace ModuleFile {

namespace {

void*                moduleHandle = nullptr;
Lasting<std::string> modulePath;
GSResModule          resourceModule = InvalidResModule;

// The system reports the module's file name as it was given to the loader; a relative name
// is resolved against the working directory at load, so the path is always whole and absolute.
std::string AbsolutePath (const char* reported)
{
    std::string path = reported == nullptr ? "" : reported;
    if (path.empty () || path.front () == '/')
        return path;
    std::error_code             error;
    const std::filesystem::path directory = std::filesystem::current_path (error);
    if (error)
        return path;
    if (path.rfind ("./", 0) == 0)
        path.erase (0, 2);
    return (directory / path).string ();
}

}   // namespace

void Load ()
{
    Dl_info info {};
    if (dladdr (reinterpret_cast<void*> (&Load), &info) != 0) {
        moduleHandle = info.dli_fbase;
        *modulePath = AbsolutePath (info.dli_fname);
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
        DBPrintf ("Abnormal add-on termination (\"%s\")\n", modulePath->c_str ());
        HostApi::SetContext (nullptr);
    }
    modulePath.End ();
}

const std::string& Path () { return *modulePath; }
GSResModule        ResourceModule () { return resourceModule; }

}   // namespace ModuleFile

// The library's load step runs as this file's last static initialiser, after the state above
// exists.
namespace {
struct LoadStep {
    LoadStep () { ModuleFile::Load (); }
} loadStep;
}   // namespace
