#include "RecordBytes.hpp"

#include <algorithm>
#include <cstring>

namespace SimHost {

namespace {

// The first nonzero byte of [from, to), compared a block at a time: the host checks every
// record of every call, and a catalogue read hands it thousands.
std::optional<std::size_t> FirstNonzero (const unsigned char* bytes, std::size_t from, std::size_t to)
{
    static constexpr unsigned char zeros[512] = {};
    for (std::size_t at = from; at < to; at += sizeof zeros) {
        const std::size_t length = std::min (sizeof zeros, to - at);
        if (std::memcmp (bytes + at, zeros, length) != 0)
            return std::size_t (std::find_if (bytes + at, bytes + at + length, [] (unsigned char b) { return b != 0; }) - bytes);
    }
    return std::nullopt;
}

}   // namespace

std::optional<std::size_t> FirstDirtyByte (const void* record, std::size_t size, std::initializer_list<FieldSpan> fields)
{
    const auto* bytes = static_cast<const unsigned char*> (record);
    std::size_t offset = 0;
    while (offset < size) {
        std::size_t stretchEnd = size;
        bool        inField = false;
        for (const FieldSpan& field : fields) {
            if (offset >= field.offset && offset < field.offset + field.bytes) {
                offset = field.offset + field.bytes;
                inField = true;
                break;
            }
            if (field.offset > offset)
                stretchEnd = std::min (stretchEnd, field.offset);
        }
        if (inField)
            continue;
        if (const auto dirty = FirstNonzero (bytes, offset, stretchEnd))
            return dirty;
        offset = stretchEnd;
    }
    return std::nullopt;
}

}   // namespace SimHost
