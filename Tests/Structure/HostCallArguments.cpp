// Calls of host operations as the add-on writes them, compiled by the structure tests: with
// VIREL_CALL unset every call is right and the file compiles; each VIREL_CALL names one call
// with a wrong argument, which must not compile.
#include "HostApi/HostApi.hpp"

void HostCalls ()
{
    API_Element   element {};
    API_Attribute attribute {};
    Int32         polygonId = 0;
    Int32         faceKind = 0;
#if !defined(VIREL_CALL)
    HostGetPolygonFaceKind (&element, polygonId, &faceKind);
    HostGetAttribute (&attribute);
    HostKeepModuleLoaded (true);
    HostGetElement (&element, 0u);
    HostWriteReport ("%s", true, "text");
#elif VIREL_CALL == 1
    HostGetPolygonFaceKind (&element, double (polygonId), &faceKind);   // a real for an id
#elif VIREL_CALL == 2
    HostGetAttribute (&element);   // another record
#elif VIREL_CALL == 3
    HostKeepModuleLoaded (1);   // an integer for a flag
#elif VIREL_CALL == 4
    HostGetElement (&element);   // an argument short
#elif VIREL_CALL == 5
    HostGetPolygonFaceKind (&element, polygonId, &faceKind, 0);   // one too many
#endif
}
