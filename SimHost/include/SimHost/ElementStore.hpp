// The project's elements, their 3D model, picking and the undo history.
#pragma once

#include "SimHost/Model3D.hpp"
#include "SimHost/PointInput.hpp"
#include "SimHost/UndoHistory.hpp"

#include "ElementRecords.hpp"
#include "InterfaceRecords.hpp"

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace SimHost {

struct PlanPoint {
    double x = 0.0;
    double y = 0.0;
};

class ElementStore {
public:
    ElementStore ();
    ~ElementStore ();
    ElementStore (const ElementStore&) = delete;
    ElementStore& operator= (const ElementStore&) = delete;

    // Adds an element of 'type' with its 3D bodies, found by a search under 'at' when given.
    // Returns its 0-based index in the 3D model. HostError for the null GUID or one already
    // in use.
    Int32 Add (const GS::Guid& guid, Int32 type, const std::vector<BodyShape>& bodies, std::optional<PlanPoint> at);

    // The whole record of an element; null for one the project does not have.
    API_Element*       Find (const GS::Guid& guid);
    const API_Element* Find (const GS::Guid& guid) const;
    // Every record, by GUID: what an undoable command compares before and after.
    std::map<GS::Guid, API_Element> Records () const;
    // Every record in 3D-model order: the position is the element's index in the model.
    std::vector<const API_Element*> InModelOrder () const;
    // Puts a record back (undo, redo, a failed command): the element its GUID names.
    void Restore (const API_Element& record);

    // What the last HostChangeElement was handed: the record and its change mask.
    struct ChangeRequest {
        API_Element record;
        API_Element mask;
    };
    const std::optional<ChangeRequest>& LastChangeRequest () const { return lastChangeRequest; }
    void NoteChangeRequest (const API_Element& record, const API_Element& mask) { lastChangeRequest = ChangeRequest { record, mask }; }

    // The element placed exactly at (x, y), of 'type' unless that is 0; null for none.
    const API_Element* AtPoint (double x, double y, Int32 type) const;

    const Model3D& Model () const { return model; }
    PointInput&    Input () { return input; }
    UndoHistory&   History () { return history; }

    // The type code of the front window (API_PlanWindowType at start, API_3DWindowType).
    Int32 FrontWindow () const { return frontWindow; }
    void  SetFrontWindow (Int32 type) { frontWindow = type; }

    // Sights and attribute readers handed to the add-on and not yet given back.
    Modeler::Sight*            OpenSight ();
    bool                       ReleaseSight (Modeler::Sight* sight);
    USize                      OpenSights () const { return sights.size (); }
    Modeler::IAttributeReader* NewAttributeReader ();
    USize                      LiveAttributeReaders () const { return USize (*liveReaders); }

private:
    struct Element {
        API_Element              record;
        std::optional<PlanPoint> at;
    };

    std::vector<Element>                         elements;
    std::optional<ChangeRequest>                 lastChangeRequest;
    Model3D                                      model;
    PointInput                                   input;
    UndoHistory                                  history;
    Int32                                        frontWindow = API_PlanWindowType;
    std::vector<std::unique_ptr<Modeler::Sight>> sights;
    std::shared_ptr<long>                        liveReaders = std::make_shared<long> (0);
};

}   // namespace SimHost
