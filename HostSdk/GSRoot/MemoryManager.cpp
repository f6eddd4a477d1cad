#include "MemoryManager.hpp"

#include "GSException.hpp"

#include <atomic>
#include <cstdlib>

namespace {

// Each block carries its size in front so that the manager can count bytes on free.
struct alignas (std::max_align_t) BlockHeader {
    USize bytes;
};

std::atomic<USize> blockCount { 0 };
std::atomic<USize> byteCount { 0 };

}   // namespace

namespace GS {

void* MemoryManager::Allocate (USize bytes)
{
    void* raw = std::malloc (sizeof (BlockHeader) + bytes);
    if (raw == nullptr)
        throw OutOfMemoryException ();
    auto* header = static_cast<BlockHeader*> (raw);
    header->bytes = bytes;
    ++blockCount;
    byteCount += bytes;
    return header + 1;
}

void MemoryManager::Free (void* block)
{
    if (block == nullptr)
        return;
    BlockHeader* header = static_cast<BlockHeader*> (block) - 1;
    --blockCount;
    byteCount -= header->bytes;
    std::free (header);
}

USize MemoryManager::AllocatedBlocks () { return blockCount.load (); }
USize MemoryManager::AllocatedBytes () { return byteCount.load (); }

}   // namespace GS
