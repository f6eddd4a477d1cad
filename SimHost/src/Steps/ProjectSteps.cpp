// Setting up the project's materials and folders, and the queries that show them.
#include "SimHost/ProjectQueries.hpp"
#include "SimHost/Scenario.hpp"

#include "CH.hpp"

#include <array>
#include <cstdint>
#include <cstring>

namespace SimHost {

namespace {

FolderPath PathStep (const nlohmann::json& step)
{
    const auto found = step.find ("path");
    if (found == step.end ())
        throw std::runtime_error ("missing \"path\"");
    if (!found->is_array ())
        throw std::runtime_error ("\"path\" must be a list of strings");
    FolderPath path;
    for (const nlohmann::json& component : *found) {
        if (!component.is_string ())
            throw std::runtime_error ("\"path\" must be a list of strings");
        path.push_back (component.get<std::string> ());
    }
    return path;
}

// The name field's bytes: "name", or "rawName" as hex for names that are not UTF-8.
std::string NameStep (const nlohmann::json& step)
{
    const bool hasName = StepCheck::Has (step, "name");
    const bool hasRaw = StepCheck::Has (step, "rawName");
    if (hasName == hasRaw)
        throw std::runtime_error ("a material has either \"name\" or \"rawName\"");
    std::string name;
    if (hasName) {
        name = StepCheck::String (step, "name");
    } else {
        const std::string hex = StepCheck::String (step, "rawName");
        if (hex.size () % 2 != 0 || hex.find_first_not_of ("0123456789abcdefABCDEF") != std::string::npos)
            throw std::runtime_error ("\"rawName\" must be hex bytes, two digits each");
        for (std::size_t i = 0; i < hex.size (); i += 2)
            name.push_back (char (std::stoi (hex.substr (i, 2), nullptr, 16)));
    }
    if (name.find ('\0') != std::string::npos)
        throw std::runtime_error ("a material name holds no zero byte");
    if (name.size () >= API_AttributeNameBytes)
        throw std::runtime_error ("a material name has at most 255 bytes");
    return name;
}

std::array<double, 3> ColourStep (const nlohmann::json& step)
{
    std::array<double, 3> rgb { 0.0, 0.0, 0.0 };
    const auto            found = step.find ("rgb");
    if (found == step.end ())
        return rgb;
    if (!found->is_array () || found->size () != 3)
        throw std::runtime_error ("\"rgb\" must be three numbers 0..1");
    for (std::size_t i = 0; i < 3; ++i) {
        const nlohmann::json& component = (*found)[i];
        if (!component.is_number () || component.get<double> () < 0.0 || component.get<double> () > 1.0)
            throw std::runtime_error ("\"rgb\" must be three numbers 0..1");
        rgb[i] = component.get<double> ();
    }
    return rgb;
}

Int16 ReflectanceStep (const nlohmann::json& step, const char* key)
{
    const Int64 value = StepCheck::Integer (step, key, false);
    if (value < INT16_MIN || value > INT16_MAX)
        throw std::runtime_error (std::string ("\"") + key + "\" must be a 16-bit integer");
    return Int16 (value);
}

GS::Guid GuidStep (const nlohmann::json& step)
{
    const std::string text = StepCheck::String (step, "guid");
    const GS::Guid    guid (text.c_str ());
    if (guid.IsNull ())
        throw std::runtime_error ("\"" + text + "\" is not a GUID");
    return guid;
}

std::string GuidText (const GS::Guid& guid) { return guid.ToUniString ().ToCStr ().Get (); }

void CheckMaterial (const nlohmann::json& step)
{
    PathStep (step);
    NameStep (step);
    ColourStep (step);
    for (const char* key : { "ambient", "diffuse", "specular", "shine" })
        ReflectanceStep (step, key);
    if (StepCheck::Has (step, "guid"))
        GuidStep (step);
}

void AddMaterial (Host& host, const nlohmann::json& step)
{
    AttributeStore& store = host.Attributes ();
    GS::Guid        guid;
    if (StepCheck::Has (step, "guid")) {
        guid = GuidStep (step);
        if (store.FindMaterial (guid) != nullptr || store.FolderWithGuid (guid).has_value ())
            throw std::runtime_error ("the project already has " + GuidText (guid));
    } else {
        do
            guid = host.Guids ().Next ();
        while (store.FindMaterial (guid) != nullptr || store.FolderWithGuid (guid).has_value ());
    }
    API_Attribute record;
    BNZeroMemory (&record, sizeof record);
    record.typeID = API_MaterialID;
    const std::string name = NameStep (step);
    std::memcpy (record.name, name.data (), name.size ());
    const std::array<double, 3> rgb = ColourStep (step);
    record.surfaceRed = rgb[0];
    record.surfaceGreen = rgb[1];
    record.surfaceBlue = rgb[2];
    record.ambient = ReflectanceStep (step, "ambient");
    record.diffuse = ReflectanceStep (step, "diffuse");
    record.specular = ReflectanceStep (step, "specular");
    record.shine = ReflectanceStep (step, "shine");

    const AttributeStore::FolderId folder = store.CreateFolder (PathStep (step), host.Guids ());
    AttributeStore::Material&      material = store.CreateMaterial (record, guid);
    store.MoveMaterial (material, folder);
    host.GetTranscript ().Add ({ { "material", { { "guid", GuidText (guid) }, { "index", material.index } } } });
}

}   // namespace

Line MaterialsQuery (const AttributeStore& store)
{
    Line materials = Line::array ();
    for (const AttributeStore::Material* material : store.MaterialsInOrder ()) {
        const API_Attribute record = material->Record ();
        Line                entry = Line::object ();
        entry["guid"] = GuidText (record.guid);
        entry["index"] = record.index;
        entry["name"] = std::string (record.name, strnlen (record.name, API_AttributeNameBytes));
        entry["path"] = store.GetFolder (material->folder).path;
        entry["rgb"] = Line::array ({ record.surfaceRed, record.surfaceGreen, record.surfaceBlue });
        entry["ambient"] = record.ambient;
        entry["diffuse"] = record.diffuse;
        entry["specular"] = record.specular;
        entry["shine"] = record.shine;
        materials.push_back (std::move (entry));
    }
    return { { "materials", std::move (materials) } };
}

Line FoldersQuery (const AttributeStore& store)
{
    Line folders = Line::array ();
    for (AttributeStore::FolderId folder : store.FoldersInOrder ())
        folders.push_back (store.GetFolder (folder).path);
    return { { "folders", std::move (folders) } };
}

void DefineProjectSteps (StepRegistry& steps)
{
    steps["addFolder"] = {
        { "path" },
        [] (const nlohmann::json& step) { PathStep (step); },
        [] (Host& host, const nlohmann::json& step) { host.Attributes ().CreateFolder (PathStep (step), host.Guids ()); },
    };
    steps["addMaterial"] = {
        { "path", "name", "rawName", "rgb", "ambient", "diffuse", "specular", "shine", "guid" },
        &CheckMaterial,
        &AddMaterial,
    };
    steps["breakMaterial"] = {
        { "guid" },
        [] (const nlohmann::json& step) { GuidStep (step); },
        [] (Host& host, const nlohmann::json& step) {
            const GS::Guid            guid = GuidStep (step);
            AttributeStore::Material* material = host.Attributes ().FindMaterial (guid);
            if (material == nullptr)
                throw std::runtime_error ("the project has no material " + GuidText (guid));
            material->unreadable = true;
        },
    };
    steps["materials"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) {
                              host.GetTranscript ().Add (MaterialsQuery (host.Attributes ()));
                          } };
    steps["folders"] = { {}, nullptr, [] (Host& host, const nlohmann::json&) {
                            host.GetTranscript ().Add (FoldersQuery (host.Attributes ()));
                        } };
}

}   // namespace SimHost
