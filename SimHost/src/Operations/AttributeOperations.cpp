// Material attributes and the material folder tree.
#include "../HostOperations.hpp"

namespace SimHost::Operations {

GSErrCode HostGetAttribute (Host&, API_Attribute*) { return APIERR_BADID; }
GSErrCode HostCreateAttribute (Host&, API_Attribute*, void*) { return APIERR_GENERAL; }
GSErrCode HostDeleteAttributes (Host&, Int32, const GS::Array<API_AttributeIndex>*) { return APIERR_BADID; }
GSErrCode HostGetAttributeFolder (Host&, API_AttributeFolder*) { return APIERR_BADID; }
GSErrCode HostCreateAttributeFolder (Host&, API_AttributeFolder*) { return APIERR_GENERAL; }
GSErrCode HostMoveToAttributeFolder (Host&, const GS::Array<API_AttributeFolder>*, const GS::Array<GS::Guid>*, const API_AttributeFolder*) { return APIERR_BADID; }
GSErrCode HostGetAttributeFolderContent (Host&, const API_AttributeFolder*, API_AttributeFolderContent*) { return APIERR_BADID; }

}   // namespace SimHost::Operations
