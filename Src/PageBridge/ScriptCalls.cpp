#include "PageBridge/ScriptCalls.hpp"

GS::Ref<JS::Value, GS::Counter> CastArgument (const ScriptArgument& argument) { return GS::DynamicCast<JS::Value> (argument); }

std::string ValueText (const GS::Ref<JS::Value, GS::Counter>& value)
{
    if (value.IsNull ())
        throw GS::NullReferenceException ();
    // the whole text: a zero character is a character like any other
    const GS::UniString::CStr text = value->GetString ().ToCStr ();
    return std::string (text.Get (), text.GetLength ());
}

std::string ReadArgumentText (const ScriptArgument& argument) { return ValueText (CastArgument (argument)); }

nlohmann::json ParsePageJson (const std::string& text)
{
    // the parser would take a zero character for the end of the text and ignore what follows
    if (const std::string::size_type zero = text.find ('\0'); zero != std::string::npos)
        throw nlohmann::json::parse_error::create (101, zero + 1, "syntax error while parsing value - a zero character is not JSON",
                                                   nullptr);
    return nlohmann::json::parse (text, nullptr, true, false);
}

GS::Guid GuidFromPageText (const std::string& text)
{
    return text.find ('\0') == std::string::npos ? GS::Guid (text.c_str ()) : GS::Guid ();
}

ScriptResult MakeResult () { return ScriptResult (new JS::Value ()); }

ScriptResult MakeResult (const std::string& text) { return ScriptResult (new JS::Value (text.c_str ())); }
