#include "HostApi/MaterialByGuid.hpp"

#include "HostApi/HostApi.hpp"

#include "CH.hpp"

GSErrCode HostGetMaterial (const GS::Guid& guid, API_Attribute& record)
{
    BNZeroMemory (&record, sizeof record);
    record.typeID = API_MaterialID;
    record.guid = guid;
    return HostGetAttribute (&record);
}
