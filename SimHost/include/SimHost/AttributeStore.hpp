// The project's material attributes and the material folder tree.
#pragma once

namespace SimHost {

class AttributeStore {
};

}   // namespace SimHost
