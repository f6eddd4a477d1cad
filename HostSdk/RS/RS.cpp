#include "RS.hpp"

#include "ModuleRegistry.hpp"

#include <cstring>

GSResModule RSInitModuleImageCache (GSHandle moduleHandle)
{
    if (moduleHandle == nullptr)
        return InvalidResModule;
    return RS::OpenModule (RS::ReadLoadedModuleResources (moduleHandle));
}

GSResModule RSOpenModuleFile (const char* path)
{
    if (path == nullptr || path[0] == '\0')
        return InvalidResModule;
    return RS::OpenModule (RS::ReadModuleFileResources (path));
}

void RSRemoveModuleImageCache (GSResModule resModule) { RS::CloseModule (resModule); }

bool RSGetIndString_ParamAdapter (GS::UniString* text, Int32 resId, Int32 index, GSResModule resModule)
{
    auto module = RS::FindModule (resModule);
    if (text == nullptr || module == nullptr)
        return false;
    auto list = module->stringLists.find (resId);
    if (list == module->stringLists.end () || index < 1 || static_cast<USize> (index) > list->second.size ())
        return false;
    const std::string& string = list->second[static_cast<USize> (index) - 1];
    *text = GS::UniString (string.data (), string.size (), CC_Default);
    return true;
}

bool RSGetDialog (GSResModule resModule, Int32 resId, RSDialog* dialog)
{
    auto module = RS::FindModule (resModule);
    if (dialog == nullptr || module == nullptr)
        return false;
    auto found = module->dialogs.find (resId);
    if (found == module->dialogs.end ())
        return false;
    *dialog = found->second;
    return true;
}

bool RSGetModuleIdentifier (GSResModule resModule, Int32 resId, UInt32* developerId, UInt32* moduleId)
{
    auto module = RS::FindModule (resModule);
    if (developerId == nullptr || moduleId == nullptr || module == nullptr)
        return false;
    auto found = module->moduleIdentifiers.find (resId);
    if (found == module->moduleIdentifiers.end ())
        return false;
    *developerId = found->second.first;
    *moduleId = found->second.second;
    return true;
}

bool RSGetIcons (GSResModule resModule, const char* type, Int32 resId, std::vector<RSImage>* images)
{
    auto module = RS::FindModule (resModule);
    if (type == nullptr || images == nullptr || module == nullptr)
        return false;
    const std::map<Int32, std::vector<RSImage>>* table = nullptr;
    if (std::strcmp (type, "icon") == 0)
        table = &module->icons;
    else if (std::strcmp (type, "icon group") == 0)
        table = &module->iconGroups;
    else
        return false;
    auto found = table->find (resId);
    if (found == table->end ())
        return false;
    *images = found->second;
    return true;
}
