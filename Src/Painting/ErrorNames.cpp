#include "Painting/ErrorNames.hpp"

const char* ErrorName (GSErrCode code)
{
    switch (code) {
#define VIREL_ERROR_NAME_CASE(name, value) \
    case name: return #name;
        VIREL_API_ERRORS (VIREL_ERROR_NAME_CASE)
#undef VIREL_ERROR_NAME_CASE
        default: return "Unknown Error";
    }
}
