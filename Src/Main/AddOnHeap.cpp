// Every block the add-on allocates comes from the host's memory manager, so the host sees
// all the add-on holds (its strings, JSON trees and containers included) and a leak shows.
// These definitions bind inside the module only: the module exports nothing but its two entry
// points, and the C++ runtime is linked into it with its symbols hidden, so the runtime's
// own allocations meet the same allocator and nothing of the host's is interposed.
#include "MemoryManager.hpp"

#include <cstddef>
#include <cstdint>
#include <new>

namespace {

constexpr std::size_t DefaultAlignment = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

void* Allocate (std::size_t bytes)
{
    try {
        return GS::MemoryManager::Allocate (bytes == 0 ? 1 : bytes);
    } catch (...) {
        throw std::bad_alloc ();
    }
}

// An over-aligned block: the manager's block, with its address kept just before the aligned
// start.
void* AllocateAligned (std::size_t bytes, std::align_val_t alignment)
{
    const std::size_t align = std::size_t (alignment);
    if (align <= DefaultAlignment)
        return Allocate (bytes);
    if (bytes > SIZE_MAX - align - sizeof (void*))
        throw std::bad_alloc ();
    void* const          block = Allocate (bytes + align + sizeof (void*));
    const std::uintptr_t first = reinterpret_cast<std::uintptr_t> (block) + sizeof (void*);
    void** const         start = reinterpret_cast<void**> ((first + align - 1) & ~std::uintptr_t (align - 1));
    start[-1] = block;
    return start;
}

void Free (void* block) noexcept { GS::MemoryManager::Free (block); }

void FreeAligned (void* start, std::align_val_t alignment) noexcept
{
    if (start == nullptr)
        return;
    if (std::size_t (alignment) <= DefaultAlignment)
        Free (start);
    else
        Free (static_cast<void**> (start)[-1]);
}

template <class Allocation> void* OrNull (Allocation&& allocation) noexcept
{
    try {
        return allocation ();
    } catch (...) {
        return nullptr;
    }
}

}   // namespace

void* operator new (std::size_t bytes) { return Allocate (bytes); }
void* operator new[] (std::size_t bytes) { return Allocate (bytes); }
void* operator new (std::size_t bytes, const std::nothrow_t&) noexcept
{
    return OrNull ([=] { return Allocate (bytes); });
}
void* operator new[] (std::size_t bytes, const std::nothrow_t&) noexcept
{
    return OrNull ([=] { return Allocate (bytes); });
}
void* operator new (std::size_t bytes, std::align_val_t alignment) { return AllocateAligned (bytes, alignment); }
void* operator new[] (std::size_t bytes, std::align_val_t alignment) { return AllocateAligned (bytes, alignment); }
void* operator new (std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return OrNull ([=] { return AllocateAligned (bytes, alignment); });
}
void* operator new[] (std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return OrNull ([=] { return AllocateAligned (bytes, alignment); });
}

void operator delete (void* block) noexcept { Free (block); }
void operator delete[] (void* block) noexcept { Free (block); }
void operator delete (void* block, std::size_t) noexcept { Free (block); }
void operator delete[] (void* block, std::size_t) noexcept { Free (block); }
void operator delete (void* block, const std::nothrow_t&) noexcept { Free (block); }
void operator delete[] (void* block, const std::nothrow_t&) noexcept { Free (block); }
void operator delete (void* block, std::align_val_t alignment) noexcept { FreeAligned (block, alignment); }
void operator delete[] (void* block, std::align_val_t alignment) noexcept { FreeAligned (block, alignment); }
void operator delete (void* block, std::size_t, std::align_val_t alignment) noexcept { FreeAligned (block, alignment); }
void operator delete[] (void* block, std::size_t, std::align_val_t alignment) noexcept { FreeAligned (block, alignment); }
void operator delete (void* block, std::align_val_t alignment, const std::nothrow_t&) noexcept { FreeAligned (block, alignment); }
void operator delete[] (void* block, std::align_val_t alignment, const std::nothrow_t&) noexcept { FreeAligned (block, alignment); }
