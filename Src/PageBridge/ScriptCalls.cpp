#include "PageBridge/ScriptCalls.hpp"

GS::Ref<JS::Value, GS::Counter> CastArgument (const ScriptArgument& argument) { return GS::DynamicCast<JS::Value> (argument); }

std::string ValueText (const GS::Ref<JS::Value, GS::Counter>& value)
{
    if (value.IsNull ())
        throw GS::NullReferenceException ();
    return std::string (value->GetString ().ToCStr ().Get ());
}

std::string ReadArgumentText (const ScriptArgument& argument) { return ValueText (CastArgument (argument)); }

nlohmann::json ParsePageJson (const std::string& text) { return nlohmann::json::parse (text, nullptr, true, false); }

ScriptResult MakeResult () { return ScriptResult (new JS::Value ()); }

ScriptResult MakeResult (const std::string& text) { return ScriptResult (new JS::Value (text.c_str ())); }
