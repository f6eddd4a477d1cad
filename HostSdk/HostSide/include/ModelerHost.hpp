// The host's side of GSModeler: its own 3D model, what it does to the models an add-on reads,
// and whether it requires them prepared.
#pragma once

#include "ModelerAPI.hpp"

#include <vector>

namespace Modeler {

// The host's own 3D model: elements, each a list of bodies, each a list of polygon ids.
struct Model3D {
    struct Body {
        std::vector<Int32> polygonIds;
    };
    struct Element {
        std::vector<Body> bodies;
    };
    std::vector<Element> elements;
};

}   // namespace Modeler

namespace ModelerAPI {

struct GSROOT_API ModelHostAccess {
    // Marks 'model' as prepared for reading (HostPrepareModel).
    static void MarkPrepared (Model& model);
    static bool IsPrepared (const Model& model);
    // Copies the host's model into 'model'.
    static GSErrCode Fill (Model& model, const Modeler::Model3D& source);
};

inline void MarkPrepared (Model& model) { ModelHostAccess::MarkPrepared (model); }

// Whether EXPGetModel reads only models that the host has prepared (hosts whose API has
// HostPrepareModel). Set by the host.
GSROOT_API void SetPreparationRequired (bool required);

// The next 'count' copies of the host's model into an add-on's model throw std::bad_alloc, as
// a copy that runs out of memory does. Set by the host's fault injection.
GSROOT_API void FailModelCopies (int count);

}   // namespace ModelerAPI
