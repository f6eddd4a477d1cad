// Byte checks of the records an add-on hands over: a record is zero-filled before the add-on
// sets the fields it passes, so every other byte must be zero.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>

namespace SimHost {

struct FieldSpan {
    std::size_t offset;
    std::size_t bytes;
};

// The offset of the first nonzero byte outside 'fields', or none.
std::optional<std::size_t> FirstDirtyByte (const void* record, std::size_t size, std::initializer_list<FieldSpan> fields);

template <class Record, class Field> FieldSpan SpanOf (Field Record::*member, const Record& record)
{
    const auto* base = reinterpret_cast<const unsigned char*> (&record);
    return { std::size_t (reinterpret_cast<const unsigned char*> (&(record.*member)) - base), sizeof (Field) };
}

}   // namespace SimHost
