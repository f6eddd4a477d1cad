#include "Painting/PaintElement.hpp"

#include "Painting/ApplyPaint.hpp"
#include "CH.hpp"
#include "Painting/FaceKind.hpp"
#include "HostApi/HostApi.hpp"
#include "PageBridge/PageNumbers.hpp"

#include <string>

namespace {

bool InThe3DWindow ()
{
    API_WindowInfo window;
    BNZeroMemory (&window, sizeof window);
    HostGetCurrentWindow (&window);
    return window.typeID == API_3DWindowType;
}

GS::Guid GuidMember (nlohmann::json& request, const char* key) { return GuidFromPageText (request[key].get<std::string> ()); }

}   // namespace

ScriptResult PaintElement (ScriptArgument argument)
{
    const GS::Ref<JS::Value, GS::Counter> value = CastArgument (argument);
    if (!InThe3DWindow ()) {
        HostWriteReport ("Painting is only supported in 3D View", true);
        return MakeResult ();
    }
    nlohmann::json request = ParsePageJson (ValueText (value));
    const GS::Guid elementId = GuidMember (request, "elementId");
    const Int32    elementIndex = PageInt32 (request["elementIndex"]);
    const GS::Guid materialId = GuidMember (request, "materialId");
    const Int32    bodyIndex = PageInt32 (request["bodyIndex"]);
    const Int32    polygonIndex = PageInt32 (request["polygonIndex"]);

    API_Element element;
    BNZeroMemory (&element, sizeof element);
    element.guid = elementId;
    HostGetElement (&element, 0u);

    Int32 faceKind = 0;
    ResolveFaceKind (elementIndex, bodyIndex, polygonIndex, element, faceKind);
    ApplyPaint (element, materialId, faceKind);
    return MakeResult ();
}
