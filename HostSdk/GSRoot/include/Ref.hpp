// GS::Ref: the host library's counted reference, a pointer and a separately allocated
// 32-bit counter. Dereferencing an empty one raises GS::NullReferenceException.
#pragma once

#include "GSException.hpp"
#include "MemoryManager.hpp"

#include <type_traits>
#include <utility>

namespace GS {

struct Counter {
    UInt32 count;
};

template <class T, class C = Counter> class Ref {
public:
    Ref () = default;
    Ref (std::nullptr_t) {}
    // Takes ownership of a new object; the count starts at one.
    explicit Ref (T* object)
        : pointer (object)
    {
        if (object != nullptr) {
            counter = static_cast<C*> (MemoryManager::Allocate (sizeof (C)));
            counter->count = 1;
        }
    }
    Ref (const Ref& other)
        : pointer (other.pointer),
          counter (other.counter)
    {
        Acquire ();
    }
    Ref (Ref&& other) noexcept
        : pointer (other.pointer),
          counter (other.counter)
    {
        other.pointer = nullptr;
        other.counter = nullptr;
    }
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref (const Ref<U, C>& other)
        : pointer (other.pointer),
          counter (other.counter)
    {
        Acquire ();
    }

    ~Ref () { Release (); }

    Ref& operator= (Ref other) noexcept
    {
        std::swap (pointer, other.pointer);
        std::swap (counter, other.counter);
        return *this;
    }

    T* operator->() const { return &Get (); }
    T& operator* () const { return Get (); }
    T& Get () const
    {
        if (pointer == nullptr)
            throw NullReferenceException ();
        return *pointer;
    }

    T*       GetPtr () const { return pointer; }
    bool     IsNull () const { return pointer == nullptr; }
    bool     HasCounter () const { return counter != nullptr; }
    explicit operator bool () const { return pointer != nullptr; }
    UInt32   GetCount () const { return counter == nullptr ? 0 : counter->count; }

    // Drops this reference; frees the object and its counter with the last one.
    void Clear () { Release (); }

    // Shares the counter of 'other' with a converted pointer (the casts below).
    template <class U>
    Ref (const Ref<U, C>& other, T* converted)
        : pointer (converted),
          counter (other.counter)
    {
        if (pointer == nullptr)
            counter = nullptr;
        Acquire ();
    }

private:
    template <class U, class D> friend class Ref;

    void Acquire ()
    {
        if (counter != nullptr)
            ++counter->count;
    }
    void Release () noexcept
    {
        T* object = pointer;
        C* shared = counter;
        pointer = nullptr;
        counter = nullptr;
        if (shared == nullptr)
            return;
        if (--shared->count == 0) {
            try {
                delete object;
            } catch (...) {
            }
            MemoryManager::Free (shared);
        }
    }

    T* pointer = nullptr;
    C* counter = nullptr;
};

// Casts a reference; an object of another class raises "Bad cast.", an empty reference
// casts to an empty reference.
template <class To, class From, class C> Ref<To, C> DynamicCast (const Ref<From, C>& from)
{
    if (from.IsNull ())
        return Ref<To, C> ();
    To* converted = dynamic_cast<To*> (from.GetPtr ());
    if (converted == nullptr)
        throw ClassCastException ();
    return Ref<To, C> (from, converted);
}

}   // namespace GS
