// Attribute events: the host notifying the add-on's attribute-folder handlers.
#include "SimHost/Scenario.hpp"

#include <algorithm>
#include <cctype>

namespace SimHost {

namespace {

int Which (const nlohmann::json& step)
{
    const Int64 which = StepCheck::Integer (step, "which");
    if (which < 1 || which > 3)
        throw std::runtime_error ("\"which\" must be 1, 2 or 3");
    return int (which);
}

// The host's GUID text, with or without braces, in either case; nothing else.
GS::Guid GuidValue (const nlohmann::json& value)
{
    if (!value.is_string ())
        throw std::runtime_error ("a GUID is a string such as \"6F2B5A10-0C1D-4E2F-9A3B-4C5D6E7F8091\"");
    const std::string text = value.get<std::string> ();
    std::string       bare = text.size () == 38 && text.front () == '{' && text.back () == '}' ? text.substr (1, 36) : text;
    std::transform (bare.begin (), bare.end (), bare.begin (), [] (unsigned char c) { return char (std::toupper (c)); });
    const GS::Guid guid (text.c_str ());
    if (guid.ToUniString ().ToCStr ().Get () != bare)
        throw std::runtime_error ("\"" + text + "\" is not a GUID");
    return guid;
}

std::vector<GS::Guid> Guids (const nlohmann::json& step)
{
    auto found = step.find ("guids");
    if (found == step.end ())
        throw std::runtime_error ("missing \"guids\"");
    if (!found->is_array ())
        throw std::runtime_error ("\"guids\" must be a list of GUIDs");
    std::vector<GS::Guid> guids;
    for (const nlohmann::json& value : *found)
        guids.push_back (GuidValue (value));
    return guids;
}

}   // namespace

void DefineNotificationSteps (StepRegistry& steps)
{
    steps["notify"] = {
        { "which", "guids" },
        [] (const nlohmann::json& step) {
            Which (step);
            Guids (step);
        },
        [] (Host& host, const nlohmann::json& step) { host.EventHandlers ().Notify (host, Which (step), Guids (step)); },
    };
    steps["autoNotify"] = {
        { "on" },
        [] (const nlohmann::json& step) { StepCheck::Boolean (step, "on"); },
        [] (Host& host, const nlohmann::json& step) { host.EventHandlers ().SetAutoNotify (StepCheck::Boolean (step, "on")); },
    };
}

}   // namespace SimHost
