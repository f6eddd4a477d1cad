#include "ModuleResources.hpp"
#include "WindowsResourceFormat.hpp"

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace RS {

namespace {

class ResourceFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Bytes {
    const unsigned char* data = nullptr;
    USize                size = 0;
};

BOOL CALLBACK CollectId (HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE (name))   // the compiler names every resource by a number
        reinterpret_cast<std::vector<Int32>*> (ids)->push_back (static_cast<Int32> (reinterpret_cast<std::uintptr_t> (name)));
    return TRUE;
}

// The identifiers of the module's resources of one type; none when it has no such type.
std::vector<Int32> ResourceIds (HMODULE module, LPCSTR type)
{
    std::vector<Int32> ids;
    EnumResourceNamesA (module, type, CollectId, reinterpret_cast<LONG_PTR> (&ids));
    return ids;
}

Bytes LoadBytes (HMODULE module, LPCSTR type, Int32 id, const std::string& what)
{
    HRSRC   found = FindResourceA (module, MAKEINTRESOURCEA (id), type);
    HGLOBAL loaded = found == nullptr ? nullptr : LoadResource (module, found);
    Bytes   bytes;
    bytes.data = loaded == nullptr ? nullptr : static_cast<const unsigned char*> (LockResource (loaded));
    if (bytes.data == nullptr)
        throw ResourceFault ("cannot load " + what + " (error " + std::to_string (GetLastError ()) + ")");
    bytes.size = SizeofResource (module, found);
    return bytes;
}

RSImage IconImage (HMODULE module, UInt32 iconId, const std::string& what)
{
    const Bytes                    data = LoadBytes (module, MAKEINTRESOURCEA (3), static_cast<Int32> (iconId), what);   // RT_ICON
    RSImage                        image;
    static constexpr unsigned char pngSignature[4] = { 0x89, 'P', 'N', 'G' };
    if (data.size >= 24 && std::equal (pngSignature, pngSignature + 4, data.data)) {
        image.format = "PNG";
        image.data.assign (data.data, data.data + data.size);
        image.width = static_cast<Int32> (ReadUInt32BE (data.data + 16));   // from the PNG's header
        image.height = static_cast<Int32> (ReadUInt32BE (data.data + 20));
    } else {
        std::string                               error;
        std::optional<std::vector<unsigned char>> bmp = BmpFileFromIconBitmap (data.data, data.size, &error);
        if (!bmp)
            throw ResourceFault (what + ": " + error);
        image.format = "BMP";
        image.width = static_cast<Int32> (ReadUInt32LE (bmp->data () + 18));
        image.height = static_cast<Int32> (ReadUInt32LE (bmp->data () + 22));
        image.data = std::move (*bmp);
    }
    std::string error;
    if (!CheckImage (image, &error))
        throw ResourceFault (what + ": " + error);
    return image;
}

// An icon group: its directory, then each image from the icon the directory names.
std::vector<RSImage> IconGroupImages (HMODULE module, Int32 id)
{
    const std::string what = "icon group " + std::to_string (id);
    const Bytes       directory = LoadBytes (module, MAKEINTRESOURCEA (14), id, what);   // RT_GROUP_ICON
    if (directory.size < IconDirectorySize)
        throw ResourceFault (what + ": the directory is shorter than its header");
    const UInt32 count = ReadUInt16LE (directory.data + 4);
    if (directory.size < IconDirectorySize + USize (count) * IconGroupEntrySize)
        throw ResourceFault (what + ": the directory ends inside its " + std::to_string (count) + " entries");
    std::vector<RSImage> images;
    for (UInt32 i = 0; i < count; ++i) {
        const unsigned char* entry = directory.data + IconDirectorySize + USize (i) * IconGroupEntrySize;
        images.push_back (IconImage (module, ReadUInt16LE (entry + 12), what + ", image " + std::to_string (i + 1)));
    }
    return images;
}

ModuleResources FromModule (HMODULE module, std::string name)
{
    ModuleResources result;
    result.module = std::move (name);
    bool any = false;
    try {
        for (ResourceType type :
             { ResourceType::StringList, ResourceType::PaletteDialog, ResourceType::ModuleIdentifier, ResourceType::Icon }) {
            for (Int32 id : ResourceIds (module, WindowsTypeName (type))) {
                any = true;
                const std::string what = std::string (ResourceTypeName (type)) + " " + std::to_string (id);
                const Bytes       payload = LoadBytes (module, WindowsTypeName (type), id, what);
                std::string       error;
                if (!ReadResourcePayload (type, id, payload.data, payload.size, &result.resources, &error))
                    throw ResourceFault (error);
            }
        }
        for (Int32 id : ResourceIds (module, MAKEINTRESOURCEA (14))) {
            any = true;
            result.resources.iconGroups[id] = IconGroupImages (module, id);
        }
    } catch (const ResourceFault& e) {
        result.error = e.what ();
        return result;
    } catch (const std::bad_alloc&) {
        result.error = "out of memory while reading the resources";
        return result;
    }
    result.status = any ? ModuleResources::Status::Found : ModuleResources::Status::Missing;
    return result;
}

std::wstring Wide (const std::string& text)
{
    if (text.empty ())
        return {};
    const int    length = MultiByteToWideChar (CP_UTF8, 0, text.data (), static_cast<int> (text.size ()), nullptr, 0);
    std::wstring wide (static_cast<std::size_t> (length), L'\0');
    MultiByteToWideChar (CP_UTF8, 0, text.data (), static_cast<int> (text.size ()), wide.data (), length);
    return wide;
}

}   // namespace

ModuleResources ReadLoadedModuleResources (GSHandle addressInModule)
{
    HMODULE module = nullptr;
    if (addressInModule == nullptr ||
        !GetModuleHandleExW (GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             static_cast<LPCWSTR> (addressInModule), &module)) {
        ModuleResources none;
        none.status = ModuleResources::Status::Missing;
        return none;
    }
    return FromModule (module, "the module at " + std::to_string (reinterpret_cast<std::uintptr_t> (module)));
}

ModuleResources ReadModuleFileResources (const std::string& path)
{
    HMODULE module = LoadLibraryExW (Wide (path).c_str (), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        ModuleResources result;
        result.module = path;
        result.error = "cannot open the file as a module (error " + std::to_string (GetLastError ()) + ")";
        return result;
    }
    ModuleResources result = FromModule (module, path);
    FreeLibrary (module);
    return result;
}

}   // namespace RS
