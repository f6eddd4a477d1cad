// JavascriptEngine: the script values, functions and objects that a page's script sees.
#pragma once

#include "Array.hpp"
#include "MemoryManager.hpp"
#include "Ref.hpp"
#include "UniString.hpp"

#include <functional>
#include <string>

namespace JS {

class GSROOT_API Base {
public:
    GS_HOST_HEAP_OBJECT
    Base ();
    Base (const Base&) = delete;
    Base& operator= (const Base&) = delete;
    virtual ~Base ();
};

// A script value: no value (undefined), or a string.
class GSROOT_API Value : public Base {
public:
    enum class Type { Undefined, String };

    Value ();
    explicit Value (const char* text);
    explicit Value (const GS::UniString& text);
    ~Value () override;

    Type          GetType () const { return type; }
    GS::UniString GetString () const { return text; }

private:
    Type          type;
    GS::UniString text;
};

// The body of a script function: takes the call's argument, returns its result.
using FunctionBody = std::function<GS::Ref<Base, GS::Counter> (GS::Ref<Base, GS::Counter>)>;

class GSROOT_API Function : public Base {
public:
    Function (const GS::UniString& name, FunctionBody body);
    ~Function () override;

    const GS::UniString&       GetName () const { return name; }
    GS::Ref<Base, GS::Counter> Call (GS::Ref<Base, GS::Counter> argument) const;

private:
    GS::UniString name;
    FunctionBody  body;
};

// A named object whose functions a page can call.
class GSROOT_API Object : public Base {
public:
    explicit Object (const GS::UniString& name);
    ~Object () override;

    // Takes ownership of the item.
    void AddItem (Function* item);

    const GS::UniString& GetName () const { return name; }
    UInt32               GetItemCount () const { return items.GetSize (); }
    const Function&      GetItem (UInt32 index) const { return *items[index]; }
    const Function*      FindItem (const GS::UniString& itemName) const;

private:
    GS::UniString                name;
    GS::Array<GS::Ref<Function>> items;
};

}   // namespace JS
