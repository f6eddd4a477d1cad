#include "SimHost/HostOperation.hpp"

#include <string_view>

namespace SimHost {

namespace {
constexpr const char* Names[] = {
#define VIREL_OPERATION_NAME(name, ...) #name,
    VIREL_HOST_OPERATIONS (VIREL_OPERATION_NAME) VIREL_HOST_SELECTOR_OPERATIONS (VIREL_OPERATION_NAME)
        VIREL_HOST_REPORT_OPERATION (VIREL_OPERATION_NAME)
#undef VIREL_OPERATION_NAME
};
static_assert (std::size (Names) == std::size_t (HostOperation::Count));
}   // namespace

const char* OperationName (HostOperation operation) { return Names[int (operation)]; }

std::optional<HostOperation> OperationByName (std::string_view name)
{
    for (int i = 0; i < int (HostOperation::Count); ++i)
        if (name == Names[i])
            return HostOperation (i);
    return std::nullopt;
}

}   // namespace SimHost
