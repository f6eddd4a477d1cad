#include "SimHost/Scenario.hpp"

#include <sstream>

namespace SimHost {

ScenarioError::ScenarioError (int lineNumber, const std::string& message)
    : HostError ("line " + std::to_string (lineNumber) + ": " + message),
      lineNumber (lineNumber)
{}

const StepRegistry& Steps ()
{
    static const StepRegistry steps = [] {
        StepRegistry defined;
        DefineLifecycleSteps (defined);
        DefineInterfaceSteps (defined);
        DefinePageSteps (defined);
        DefineFaultSteps (defined);
        DefineQuerySteps (defined);
        DefineProjectSteps (defined);
        DefinePaintingSteps (defined);
        DefineNotificationSteps (defined);
        return defined;
    }();
    return steps;
}

std::vector<ScenarioStep> ParseScenario (std::istream& input)
{
    std::vector<ScenarioStep> steps;
    std::string               line;
    int                       lineNumber = 0;
    while (std::getline (input, line)) {
        ++lineNumber;
        if (!line.empty () && line.back () == '\r')
            line.pop_back ();
        const auto first = line.find_first_not_of (" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        ScenarioStep step;
        step.lineNumber = lineNumber;
        try {
            step.step = nlohmann::json::parse (line);
        } catch (const nlohmann::json::exception& e) {
            throw ScenarioError (lineNumber, std::string ("not JSON: ") + e.what ());
        }
        if (!step.step.is_object () || !step.step.contains ("do") || !step.step["do"].is_string ())
            throw ScenarioError (lineNumber, "a step is an object with its name under \"do\"");
        step.name = step.step["do"].get<std::string> ();
        auto definition = Steps ().find (step.name);
        if (definition == Steps ().end ())
            throw ScenarioError (lineNumber, "unknown step \"" + step.name + "\"");
        for (const auto& [key, value] : step.step.items ())
            if (key != "do" && definition->second.keys.count (key) == 0)
                throw ScenarioError (lineNumber, "unknown key \"" + key + "\" for step \"" + step.name + "\"");
        try {
            if (definition->second.check)
                definition->second.check (step.step);
        } catch (const std::exception& e) {
            throw ScenarioError (lineNumber, e.what ());
        }
        steps.push_back (std::move (step));
    }
    return steps;
}

std::vector<ScenarioStep> ParseScenarioText (const std::string& text)
{
    std::istringstream input (text);
    return ParseScenario (input);
}

void RunStep (Host& host, const ScenarioStep& step)
{
    try {
        Steps ().at (step.name).run (host, step.step);
    } catch (const ScenarioError&) {
        throw;
    } catch (const std::exception& e) {
        throw ScenarioError (step.lineNumber, e.what ());
    }
}

void RunScenario (Host& host, const std::vector<ScenarioStep>& steps)
{
    for (const ScenarioStep& step : steps)
        RunStep (host, step);
}

namespace StepCheck {

namespace {
const nlohmann::json* Find (const nlohmann::json& step, const char* key, bool required)
{
    auto found = step.find (key);
    if (found == step.end ()) {
        if (required)
            throw std::runtime_error (std::string ("missing \"") + key + "\"");
        return nullptr;
    }
    return &*found;
}
}   // namespace

bool Has (const nlohmann::json& step, const char* key) { return step.contains (key); }

Int64 Integer (const nlohmann::json& step, const char* key, bool required)
{
    const nlohmann::json* value = Find (step, key, required);
    if (value == nullptr)
        return 0;
    if (!value->is_number_integer ())
        throw std::runtime_error (std::string ("\"") + key + "\" must be an integer");
    return value->get<Int64> ();
}

bool Boolean (const nlohmann::json& step, const char* key, bool required)
{
    const nlohmann::json* value = Find (step, key, required);
    if (value == nullptr)
        return false;
    if (!value->is_boolean ())
        throw std::runtime_error (std::string ("\"") + key + "\" must be true or false");
    return value->get<bool> ();
}

std::string String (const nlohmann::json& step, const char* key, bool required)
{
    const nlohmann::json* value = Find (step, key, required);
    if (value == nullptr)
        return {};
    if (!value->is_string ())
        throw std::runtime_error (std::string ("\"") + key + "\" must be a string");
    return value->get<std::string> ();
}

Int32 CodeValue (const nlohmann::json& value)
{
    if (value.is_number_integer ())
        return Int32 (UInt32 (value.get<Int64> ()));
    if (value.is_string ()) {
        const std::string text = value.get<std::string> ();
        std::string       digits = text;
        if (digits.size () > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
            digits = digits.substr (2);
        if (!digits.empty () && digits.size () <= 8 && digits.find_first_not_of ("0123456789abcdefABCDEF") == std::string::npos)
            return Int32 (UInt32 (std::stoul (digits, nullptr, 16)));
        throw std::runtime_error ("\"" + text + "\" is not a code such as \"0x81060001\"");
    }
    throw std::runtime_error ("a code is a string such as \"0x81060001\"");
}

Int32 Code (const nlohmann::json& step, const char* key, bool required)
{
    const nlohmann::json* value = Find (step, key, required);
    return value == nullptr ? 0 : CodeValue (*value);
}

}   // namespace StepCheck

}   // namespace SimHost
