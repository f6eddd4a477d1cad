#include "PickKinds.hpp"

namespace SimHost {

namespace {

struct KindOfType {
    Int32 type;
    Int32 kind;
};

constexpr KindOfType KindsOfTypes[] = {
    { 1, 1 },     { 2, 5 },     { 3, 6 },     { 4, 10 },    { 5, 12 },    { 6, 13 },    { 7, 14 },    { 8, 15 },
    { 9, 17 },    { 10, 21 },   { 11, 27 },   { 12, 28 },   { 13, 29 },   { 14, 31 },   { 15, 32 },   { 16, 33 },
    { 17, 34 },   { 18, 38 },   { 19, 40 },   { 20, 42 },   { 21, 44 },   { 22, 46 },   { 23, 48 },   { 24, 50 },
    { 25, 51 },   { 26, 53 },   { 29, 55 },   { 30, 77 },   { 31, 57 },   { 32, 58 },   { 33, 88 },   { 34, 91 },
    { 35, 84 },   { 37, 97 },   { 38, 101 },  { 39, 105 },  { 40, 108 },  { 41, 110 },  { 42, 112 },  { 43, 114 },
    { 44, 117 },  { 45, 122 },  { 46, 124 },  { 47, 137 },  { 48, 135 },  { 49, 133 },  { 50, 138 },  { 51, 140 },
    { 52, 142 },  { 53, 144 },  { 54, 146 },  { 55, 148 },  { 56, 150 },  { 57, 152 },  { 58, 154 },  { 63, 156 },
    { 64, 158 },  { 65, 160 },  { 66, 162 },  { 67, 164 },  { 68, 166 },  { 69, 168 },  { 70, 170 },  { 71, 172 },
};

}   // namespace

std::optional<Int32> ElementTypeOfPickKind (Int32 pickKind)
{
    for (const KindOfType& entry : KindsOfTypes)
        if (entry.kind == pickKind)
            return entry.type;
    return std::nullopt;
}

Int32 PickKindOfElementType (Int32 type)
{
    for (const KindOfType& entry : KindsOfTypes)
        if (entry.type == type)
            return entry.kind;
    return 0;
}

}   // namespace SimHost
