#include "RecordBytes.hpp"

namespace SimHost {

std::optional<std::size_t> FirstDirtyByte (const void* record, std::size_t size, std::initializer_list<FieldSpan> fields)
{
    const auto* bytes = static_cast<const unsigned char*> (record);
    for (std::size_t offset = 0; offset < size; ++offset) {
        bool inField = false;
        for (const FieldSpan& field : fields)
            inField = inField || (offset >= field.offset && offset < field.offset + field.bytes);
        if (!inField && bytes[offset] != 0)
            return offset;
    }
    return std::nullopt;
}

}   // namespace SimHost
