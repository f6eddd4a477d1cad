// GS::Array: a growable array on the host's heap. Its layout is shared by host and add-on,
// since host records hold arrays.
#pragma once

#include "GSException.hpp"
#include "MemoryManager.hpp"

#include <initializer_list>
#include <new>
#include <utility>

namespace GS {

template <class T> class Array {
public:
    Array () = default;
    Array (std::initializer_list<T> items)
    {
        for (const T& item : items)
            Push (item);
    }
    Array (const Array& other) { *this = other; }
    Array (Array&& other) noexcept { Swap (other); }
    ~Array ()
    {
        Clear ();
        MemoryManager::Free (items);
    }

    Array& operator= (const Array& other)
    {
        if (this != &other) {
            Clear ();
            Reserve (other.size);
            for (UInt32 i = 0; i < other.size; ++i)
                Push (other.items[i]);
        }
        return *this;
    }
    Array& operator= (Array&& other) noexcept
    {
        if (this != &other) {
            Array empty;
            Swap (other);
            other.Swap (empty);
        }
        return *this;
    }

    void Push (const T& item)
    {
        Reserve (size + 1);
        new (&items[size]) T (item);
        ++size;
    }
    void Push (T&& item)
    {
        Reserve (size + 1);
        new (&items[size]) T (std::move (item));
        ++size;
    }

    void Clear ()
    {
        for (UInt32 i = size; i > 0; --i)
            items[i - 1].~T ();
        size = 0;
    }

    void Reserve (UInt32 wanted)
    {
        if (wanted <= capacity)
            return;
        UInt32 newCapacity = capacity < 4 ? 4 : capacity * 2;
        while (newCapacity < wanted)
            newCapacity *= 2;
        T* newItems = static_cast<T*> (MemoryManager::Allocate (sizeof (T) * newCapacity));
        for (UInt32 i = 0; i < size; ++i) {
            new (&newItems[i]) T (std::move (items[i]));
            items[i].~T ();
        }
        MemoryManager::Free (items);
        items = newItems;
        capacity = newCapacity;
    }

    UInt32 GetSize () const { return size; }
    bool   IsEmpty () const { return size == 0; }

    T& operator[] (UInt32 index)
    {
        if (index >= size)
            throw IndexOutOfRangeException ();
        return items[index];
    }
    const T& operator[] (UInt32 index) const
    {
        if (index >= size)
            throw IndexOutOfRangeException ();
        return items[index];
    }

    T*       begin () { return items; }
    T*       end () { return items + size; }
    const T* begin () const { return items; }
    const T* end () const { return items + size; }

    bool operator== (const Array& other) const
    {
        if (size != other.size)
            return false;
        for (UInt32 i = 0; i < size; ++i)
            if (!(items[i] == other.items[i]))
                return false;
        return true;
    }

private:
    void Swap (Array& other) noexcept
    {
        std::swap (items, other.items);
        std::swap (size, other.size);
        std::swap (capacity, other.capacity);
    }

    T*     items = nullptr;
    UInt32 size = 0;
    UInt32 capacity = 0;
};

static_assert (sizeof (Array<int>) == 16);

}   // namespace GS
