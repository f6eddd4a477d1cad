#include "AttributeFolderEvents.hpp"

GSErrCode RegisterAttributeFolderHandler () { return 0; }
