#include "SimHost/ContractChecks.hpp"

namespace SimHost {

const std::vector<ContractCheck>& ContractCatalogue ()
{
    static const std::vector<ContractCheck> catalogue {
#define VIREL_BREACH_ENTRY(id, name, description) { name, description },
        VIREL_CONTRACT_CHECKS (VIREL_BREACH_ENTRY)
#undef VIREL_BREACH_ENTRY
    };
    return catalogue;
}

const ContractCheck& ContractCheckOf (Breach breach) { return ContractCatalogue ().at (std::size_t (breach)); }

}   // namespace SimHost
