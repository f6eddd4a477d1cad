#include "ModuleRegistry.hpp"

#include <cstdio>
#include <map>
#include <mutex>

namespace RS {

namespace {

struct Registry {
    std::mutex                                                  mutex;
    std::map<GSResModule, std::shared_ptr<const ResourceImage>> modules;
    GSResModule                                                 lastHandle = 0;
};

Registry& TheRegistry ()
{
    static Registry* registry = new Registry;   // outlives every module unloaded at exit
    return *registry;
}

void ReportDamage (const std::string& path, const std::string& error)
{
    std::fprintf (stderr, "RS: cannot read the resources of %s: %s\n", path.c_str (), error.c_str ());
}

}   // namespace

GSResModule OpenModule (ModuleResources module)
{
    if (module.status == ModuleResources::Status::Missing)
        return InvalidResModule;
    if (module.status == ModuleResources::Status::Error) {
        ReportDamage (module.module, module.error);
        return InvalidResModule;
    }

    Registry&        registry = TheRegistry ();
    std::scoped_lock lock (registry.mutex);
    // Handles are not reused, so a handle kept after its removal finds nothing.
    GSResModule handle = ++registry.lastHandle;
    registry.modules.emplace (handle, std::make_shared<const ResourceImage> (std::move (module.resources)));
    return handle;
}

std::shared_ptr<const ResourceImage> FindModule (GSResModule handle)
{
    Registry&        registry = TheRegistry ();
    std::scoped_lock lock (registry.mutex);
    auto             it = registry.modules.find (handle);
    return it == registry.modules.end () ? nullptr : it->second;
}

void CloseModule (GSResModule handle)
{
    Registry&        registry = TheRegistry ();
    std::scoped_lock lock (registry.mutex);
    registry.modules.erase (handle);
}

}   // namespace RS
