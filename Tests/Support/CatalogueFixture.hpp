// The catalogue suites: a loaded add-on with its palette open, a project set up through the
// host's scenario steps, and the page's calls with what they returned.
#pragma once

#include "HostFixture.hpp"

#include <optional>
#include <string>
#include <vector>

namespace VirelTests {

// What one page call gave back: the result text, or the exception's message.
struct PageOutcome {
    std::optional<std::string> result;
    std::optional<std::string> exception;
};

struct NewMaterial {
    std::vector<std::string> path;
    std::string              name;
    double                   red = 0.0, green = 0.0, blue = 0.0;
    int                      ambient = 0, diffuse = 0, specular = 0, shine = 0;
};

class CatalogueTest : public HostTest {
protected:
    void SetUp () override { LoadAndOpenPalette (); }

    // addMaterial; returns the new material's GUID text.
    std::string AddMaterial (const NewMaterial& material);
    std::string AddMaterialStep (const nlohmann::json& step);   // step without "do"
    void        AddFolder (const std::vector<std::string>& path);

    // The page calls archicad.<function> with a string, with nothing, or with an object.
    PageOutcome Call (const std::string& function, const std::string& argument);
    PageOutcome CallWithout (const std::string& function);
    PageOutcome CallWithObject (const std::string& function);
    // The result text of a call that must return one.
    std::string CatalogueText (const std::string& function = "getMaterials", const std::optional<std::string>& argument = {});

    // The host's queries.
    nlohmann::json Materials ();   // the "materials" list
    nlohmann::json Folders ();     // the "folders" list
    // One text member of every material the host holds, in the host's order.
    std::vector<std::string> MaterialValues (const char* key);

    // Lines added since the last call of this (the page call's reports, page lines, ...).
    std::vector<std::string> lastLines;

private:
    PageOutcome    Outcome (const std::vector<std::string>& lines);
    nlohmann::json Query (const std::string& name);
};

// The exact text of a catalogue material object.
std::string MaterialText (const std::string& id, const std::string& name, int red, int green, int blue, const std::string& ambient,
                          const std::string& diffuse, const std::string& shine, const std::string& specular);
// The exact text of a folder object.
std::string FolderText (const std::string& path, const std::vector<std::string>& folders, const std::vector<std::string>& surfaces);

// An entry of createMaterials.
nlohmann::json Entry (const std::string& name, const nlohmann::json& red, const nlohmann::json& green, const nlohmann::json& blue,
                      const std::string& path, const nlohmann::json& ambient = 0, const nlohmann::json& diffuse = 0,
                      const nlohmann::json& shine = 0, const nlohmann::json& specular = 0);

}   // namespace VirelTests
