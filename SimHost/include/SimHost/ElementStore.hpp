// The project's elements, their 3D model, picking and the undo history.
#pragma once

namespace SimHost {

class ElementStore {
};

}   // namespace SimHost
