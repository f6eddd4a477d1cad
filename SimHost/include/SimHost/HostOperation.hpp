// The host operations by name, in the order of the host function table's lists.
#pragma once

#include "HostFunctionTable.hpp"

#include <cstdint>
#include <optional>
#include <string_view>

namespace SimHost {

enum class HostOperation : std::uint16_t {
#define VIREL_OPERATION_ENUM(name, ...) name,
    VIREL_HOST_OPERATIONS (VIREL_OPERATION_ENUM) VIREL_HOST_SELECTOR_OPERATIONS (VIREL_OPERATION_ENUM)
        VIREL_HOST_REPORT_OPERATION (VIREL_OPERATION_ENUM)
#undef VIREL_OPERATION_ENUM
            Count
};

const char*                  OperationName (HostOperation operation);
std::optional<HostOperation> OperationByName (std::string_view name);

}   // namespace SimHost
