#include "JSHostEngine.hpp"

#include <exception>
#include <utility>

namespace JS {

Base::Base () = default;
Base::~Base () = default;

Value::Value ()
    : type (Type::Undefined)
{}
Value::Value (const char* text)
    : type (Type::String),
      text (text)
{}
Value::Value (const GS::UniString& text)
    : type (Type::String),
      text (text)
{}
Value::~Value () = default;

Function::Function (const GS::UniString& name, FunctionBody body)
    : name (name),
      body (std::move (body))
{}
Function::~Function () = default;

GS::Ref<Base, GS::Counter> Function::Call (GS::Ref<Base, GS::Counter> argument) const { return body (std::move (argument)); }

Object::Object (const GS::UniString& name)
    : name (name)
{}
Object::~Object () = default;

void Object::AddItem (Function* item) { items.Push (GS::Ref<Function> (item)); }

const Function* Object::FindItem (const GS::UniString& itemName) const
{
    for (const GS::Ref<Function>& item : items)
        if (item->GetName () == itemName)
            return item.GetPtr ();
    return nullptr;
}

CallOutcome Invoke (const Function& function, GS::Ref<Base, GS::Counter> argument)
{
    CallOutcome outcome;
    try {
        GS::Ref<Base, GS::Counter> result = function.Call (std::move (argument));
        const Value*               value = dynamic_cast<const Value*> (result.GetPtr ());
        if (value != nullptr && value->GetType () == Value::Type::String) {
            outcome.kind = CallOutcome::Kind::String;
            outcome.text = value->GetString ().ToCStr ().Get ();
        } else {
            outcome.kind = CallOutcome::Kind::NoValue;
        }
    } catch (const std::exception& e) {
        outcome.kind = CallOutcome::Kind::Exception;
        outcome.text = e.what ();
    } catch (...) {
        outcome.kind = CallOutcome::Kind::Exception;
        outcome.text = "Unknown exception.";
    }
    return outcome;
}

}   // namespace JS
