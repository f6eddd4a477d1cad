#include "CatalogueFixture.hpp"

namespace VirelTests {

std::string CatalogueTest::AddMaterialStep (const nlohmann::json& step)
{
    nlohmann::json full = step;
    full["do"] = "addMaterial";
    const std::vector<nlohmann::json> lines = RunLines (full.dump ());
    EXPECT_EQ (lines.size (), 1u);
    if (lines.empty () || !lines.back ().contains ("material"))
        return {};
    return lines.back ()["material"]["guid"].get<std::string> ();
}

std::string CatalogueTest::AddMaterial (const NewMaterial& material)
{
    return AddMaterialStep ({ { "path", material.path },
                              { "name", material.name },
                              { "rgb", { material.red, material.green, material.blue } },
                              { "ambient", material.ambient },
                              { "diffuse", material.diffuse },
                              { "specular", material.specular },
                              { "shine", material.shine } });
}

void CatalogueTest::AddFolder (const std::vector<std::string>& path)
{
    Run (nlohmann::json { { "do", "addFolder" }, { "path", path } }.dump ());
}

PageOutcome CatalogueTest::Outcome (const std::vector<std::string>& lines)
{
    lastLines = lines;
    PageOutcome outcome;
    for (const std::string& text : lines) {
        const nlohmann::json line = nlohmann::json::parse (text);
        if (line.contains ("result") && line["result"].is_string ())
            outcome.result = line["result"].get<std::string> ();
        if (line.contains ("exception"))
            outcome.exception = line["exception"].get<std::string> ();
    }
    return outcome;
}

PageOutcome CatalogueTest::Call (const std::string& function, const std::string& argument)
{
    return Outcome (Run (CallStep (function, argument)));
}

PageOutcome CatalogueTest::CallWithout (const std::string& function) { return Outcome (Run (CallStep (function))); }

PageOutcome CatalogueTest::CallWithObject (const std::string& function)
{
    return Outcome (Run (nlohmann::json { { "do", "call" }, { "fn", function }, { "argKind", "object" } }.dump ()));
}

std::string CatalogueTest::CatalogueText (const std::string& function, const std::optional<std::string>& argument)
{
    const PageOutcome outcome = argument.has_value () ? Call (function, *argument) : CallWithout (function);
    EXPECT_FALSE (outcome.exception.has_value ()) << *outcome.exception;
    EXPECT_TRUE (outcome.result.has_value ());
    return outcome.result.value_or ("");
}

nlohmann::json CatalogueTest::Query (const std::string& name)
{
    const std::vector<nlohmann::json> lines = RunLines (nlohmann::json { { "do", name } }.dump ());
    EXPECT_EQ (lines.size (), 1u);
    return lines.empty () ? nlohmann::json () : lines.back ()[name];
}

nlohmann::json CatalogueTest::Materials () { return Query ("materials"); }
nlohmann::json CatalogueTest::Folders () { return Query ("folders"); }

std::vector<std::string> CatalogueTest::MaterialValues (const char* key)
{
    std::vector<std::string> values;
    for (const nlohmann::json& material : Materials ())
        values.push_back (material[key].get<std::string> ());
    return values;
}

std::string MaterialText (const std::string& id, const std::string& name, int red, int green, int blue, const std::string& ambient,
                          const std::string& diffuse, const std::string& shine, const std::string& specular)
{
    return "{\"color\":{\"blue\":" + std::to_string (blue) + ",\"green\":" + std::to_string (green) + ",\"red\":" + std::to_string (red) +
           "},\"id\":\"" + id + "\",\"name\":" + nlohmann::json (name).dump () + ",\"product\":{\"ambient\":" + ambient +
           ",\"diffuse\":" + diffuse + ",\"shine\":" + shine + ",\"specular\":" + specular + "}}";
}

namespace {
std::string Joined (const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty () ? "" : ",") + item;
    return text;
}
}   // namespace

std::string FolderText (const std::string& path, const std::vector<std::string>& folders, const std::vector<std::string>& surfaces)
{
    return "{\"folders\":[" + Joined (folders) + "],\"path\":" + nlohmann::json (path).dump () + ",\"surfaces\":[" + Joined (surfaces) +
           "]}";
}

nlohmann::json Entry (const std::string& name, const nlohmann::json& red, const nlohmann::json& green, const nlohmann::json& blue,
                      const std::string& path, const nlohmann::json& ambient, const nlohmann::json& diffuse, const nlohmann::json& shine,
                      const nlohmann::json& specular)
{
    return { { "name", name },
             { "color", { { "red", red }, { "green", green }, { "blue", blue } } },
             { "path", path },
             { "product", { { "ambient", ambient }, { "diffuse", diffuse }, { "shine", shine }, { "specular", specular } } } };
}

}   // namespace VirelTests
