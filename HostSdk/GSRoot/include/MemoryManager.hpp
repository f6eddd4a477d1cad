// The host's memory manager. Every block is tracked so that the host (and a test) can see
// what an add-on still holds. [any thread]
#pragma once

#include "Definitions.hpp"

namespace GS {

class GSROOT_API MemoryManager {
public:
    static void* Allocate (USize bytes);   // never returns null; throws GS::OutOfMemoryException
    static void  Free (void* block);       // null is ignored

    static USize AllocatedBlocks ();
    static USize AllocatedBytes ();
};

// Gives a class the host's heap for its objects.
#define GS_HOST_HEAP_OBJECT                                                                       \
    static void* operator new (std::size_t bytes) { return GS::MemoryManager::Allocate (bytes); } \
    static void  operator delete (void* block) { GS::MemoryManager::Free (block); }               \
    static void* operator new (std::size_t, void* place) noexcept { return place; }               \
    static void  operator delete (void*, void*) noexcept {}

}   // namespace GS
