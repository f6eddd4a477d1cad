#include "ForwardingAddOn.hpp"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// the real add-on, closed again when this file is unloaded, so its own unload steps run
#if defined(_WIN32)
struct RealAddOn {
    HMODULE library = LoadLibraryA (VIREL_REAL_ADDON);
    ~RealAddOn ()
    {
        if (library != nullptr)
            FreeLibrary (library);
    }
    template <class Proc> Proc* Export (const char* name) const
    {
        return library == nullptr ? nullptr : reinterpret_cast<Proc*> (reinterpret_cast<void*> (GetProcAddress (library, name)));
    }
};
#else
struct RealAddOn {
    void* library = dlopen (VIREL_REAL_ADDON, RTLD_NOW | RTLD_LOCAL);
    ~RealAddOn ()
    {
        if (library != nullptr)
            dlclose (library);
    }
    template <class Proc> Proc* Export (const char* name) const
    {
        return library == nullptr ? nullptr : reinterpret_cast<Proc*> (dlsym (library, name));
    }
};
#endif

RealAddOn                  real;
Int32                      apiMajor = 28;
std::vector<unsigned char> table;

}   // namespace

extern "C" __attribute__ ((visibility ("default"))) Int32 GetExportedFuncAddrs (ModuleEntryRecord* record)
{
    auto* exported = real.Export<GetExportedFuncAddrsProc> (GetExportedFuncAddrsName);
    if (exported == nullptr)
        std::abort ();
    const Int32 result = exported (record);
    apiMajor = Int32 (record->versionWord >> 16);
    return result;
}

extern "C" __attribute__ ((visibility ("default"))) Int32 SetImportedFuncAddrs (const void* hostTable)
{
    table.assign (static_cast<const unsigned char*> (hostTable), static_cast<const unsigned char*> (hostTable) + HostTableBytes (apiMajor));
    Break (table.data (), apiMajor);
    return real.Export<SetImportedFuncAddrsProc> (SetImportedFuncAddrsName) (table.data ());
}
