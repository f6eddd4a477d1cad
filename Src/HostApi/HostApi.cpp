#include "HostApi/HostApi.hpp"

#include <cstring>

namespace HostApi {

namespace {
constexpr USize TableBytes = HostTableBytes (VIREL_HOST_API);
unsigned char   hostTable[TableBytes] = {};
bool            tableReceived = false;
void*           hostContext = nullptr;
}   // namespace

void ReceiveTable (const void* table)
{
    std::memcpy (hostTable, table, TableBytes);
    tableReceived = true;
}

bool TableReceived () { return tableReceived; }

void  SetContext (void* context) { hostContext = context; }
void* Context () { return hostContext; }

void* ReadTableSlot (Int32 offset) { return ReadSlot (hostTable, offset); }

}   // namespace HostApi
