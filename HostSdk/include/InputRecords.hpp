// Host records of point input and of the search for an element under a point.
#pragma once

#include "ElementRecords.hpp"

#include <cstddef>

struct API_Coord3D {
    double x, y, z;
};
static_assert (sizeof (API_Coord3D) == 24);

struct API_Neig {
    Int32 neigID;   // the pick kind; 0: nothing picked
    UInt8 reserved[44];
};
static_assert (sizeof (API_Neig) == 48);

struct API_GetPointType {
    char        prompt[256];
    UInt8       changeFilter;
    UInt8       reserved1;
    UInt8       changePlane;
    UInt8       reserved2[125];
    API_Coord3D pos;
    API_Neig    neig;
    GS::Guid    hitElemGuid;
    Int32       hitElementIndex;   // 0-based, in the 3D model
    Int32       hitBodyIndex;
    Int32       hitPolygonIndex;
    UInt8       reserved3[4];
};
static_assert (sizeof (API_GetPointType) == 488);
static_assert (offsetof (API_GetPointType, changeFilter) == 256);
static_assert (offsetof (API_GetPointType, changePlane) == 258);
static_assert (offsetof (API_GetPointType, pos) == 384);
static_assert (offsetof (API_GetPointType, neig) == 408);
static_assert (offsetof (API_GetPointType, hitElemGuid) == 456);
static_assert (offsetof (API_GetPointType, hitElementIndex) == 472);
static_assert (offsetof (API_GetPointType, hitBodyIndex) == 476);
static_assert (offsetof (API_GetPointType, hitPolygonIndex) == 480);

struct API_SearchElementRecord {
    API_ElemType type;   // in: all zero (any type); out: the found element's type
    Int64        filterBits;
    double       x;
    double       y;
    double       z;
};
static_assert (sizeof (API_SearchElementRecord) == 56);
static_assert (offsetof (API_SearchElementRecord, filterBits) == 24);
static_assert (offsetof (API_SearchElementRecord, x) == 32);
static_assert (offsetof (API_SearchElementRecord, z) == 48);
