// The calling convention of every function the page calls: the body takes over the
// argument, reads it as text, and returns a new counted script value. Exceptions leave the
// body and go to the page's script engine.
#pragma once

#include "Guid.hpp"
#include "JSObjects.hpp"

#include <nlohmann/json.hpp>

#include <string>

using ScriptArgument = GS::Ref<JS::Base, GS::Counter>;
using ScriptResult = GS::Ref<JS::Base, GS::Counter>;
using ScriptFunction = ScriptResult (ScriptArgument);

// The argument as a script value: "Bad cast." for an object that is not a value; an empty
// reference stays empty.
GS::Ref<JS::Value, GS::Counter> CastArgument (const ScriptArgument& argument);
// The value's whole string as 8-bit text; "Null reference." for an empty reference.
std::string ValueText (const GS::Ref<JS::Value, GS::Counter>& value);
// Both steps.
std::string ReadArgumentText (const ScriptArgument& argument);

// The GUID a page text names, or the null GUID; a text holding a zero character names none.
GS::Guid GuidFromPageText (const std::string& text);

// Parses page JSON: exceptions on, comments not allowed, nothing after the value (a zero
// character included).
nlohmann::json ParsePageJson (const std::string& text);

ScriptResult MakeResult ();                          // no value
ScriptResult MakeResult (const std::string& text);   // a string
