// Host records of material attributes and attribute folders.
#pragma once

#include "Array.hpp"
#include "Guid.hpp"
#include "UniString.hpp"

#include <cstddef>

constexpr Int32 API_MaterialID = 5;
using API_AttributeIndex = Int32;

struct API_Attribute {
    Int32    typeID;   // 5: material
    Int32    index;
    UInt8    reserved1[8];
    char     name[256];   // 8-bit text ending in a zero byte
    GS::Guid guid;
    UInt8    reserved2[24];
    Int16    ambient;
    Int16    diffuse;
    Int16    specular;
    Int16    reserved3;
    Int16    shine;
    UInt8    reserved4[6];
    double   surfaceRed;   // 0.0 to 1.0
    double   surfaceGreen;
    double   surfaceBlue;
    UInt8    reserved5[1384 - 352];
};
static_assert (sizeof (API_Attribute) == 1384);
static_assert (offsetof (API_Attribute, index) == 4);
static_assert (offsetof (API_Attribute, name) == 16);
static_assert (offsetof (API_Attribute, guid) == 272);
static_assert (offsetof (API_Attribute, ambient) == 312);
static_assert (offsetof (API_Attribute, diffuse) == 314);
static_assert (offsetof (API_Attribute, specular) == 316);
static_assert (offsetof (API_Attribute, shine) == 320);
static_assert (offsetof (API_Attribute, surfaceRed) == 328);
static_assert (offsetof (API_Attribute, surfaceGreen) == 336);
static_assert (offsetof (API_Attribute, surfaceBlue) == 344);
constexpr USize API_AttributeNameBytes = sizeof (API_Attribute::name);

// A material folder, named by its path from the top of the folder tree; the host also
// identifies it by its GUID when that is not null.
struct API_AttributeFolder {
    Int32                    typeID = 0;
    GS::Array<GS::UniString> path;
    GS::Guid                 guid;
};

struct API_AttributeFolderContent {
    GS::Array<API_AttributeFolder> subFolders;
    GS::Array<GS::Guid>            attributeIds;
};
