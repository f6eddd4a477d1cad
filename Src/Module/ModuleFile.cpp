#include "Module/ModuleFile.hpp"

#include "HostApi/HostApi.hpp"
#include "Module/Lasting.hpp"
#include "Module/ModuleLocation.hpp"

#include "CH.hpp"

namespace ModuleFile {

namespace {

void*                moduleHandle = nullptr;
Lasting<std::string> modulePath;
GSResModule          resourceModule = InvalidResModule;

}   // namespace

void Load ()
{
    ModuleLocation::Module module = ModuleLocation::ThisModule ();
    moduleHandle = module.handle;
    *modulePath = std::move (module.path);
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
