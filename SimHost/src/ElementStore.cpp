#include "SimHost/ElementStore.hpp"

#include "SimHost/HostError.hpp"

#include <algorithm>
#include <cstring>

namespace SimHost {

namespace {

// An attribute reader of the host's: it only counts how many the add-on still holds.
class HostAttributeReader : public Modeler::IAttributeReader {
public:
    explicit HostAttributeReader (std::shared_ptr<long> live)
        : live (std::move (live))
    {
        ++*this->live;
    }
    ~HostAttributeReader () override { --*live; }

private:
    std::shared_ptr<long> live;
};

}   // namespace

ElementStore::ElementStore () = default;
ElementStore::~ElementStore () = default;

Int32 ElementStore::Add (const GS::Guid& guid, Int32 type, const std::vector<BodyShape>& bodies, std::optional<PlanPoint> at)
{
    if (guid.IsNull ())
        throw HostError ("an element needs a GUID that is not null");
    if (Find (guid) != nullptr)
        throw HostError ("an element with the GUID " + std::string (guid.ToUniString ().ToCStr ().Get ()) + " exists");
    Element element;
    std::memset (static_cast<void*> (&element.record), 0, sizeof element.record);
    element.record.typeID = type;
    element.record.guid = guid;
    element.at = at;
    elements.push_back (element);
    return model.Add (guid, bodies);
}

API_Element* ElementStore::Find (const GS::Guid& guid)
{
    for (Element& element : elements)
        if (element.record.guid == guid)
            return &element.record;
    return nullptr;
}

const API_Element* ElementStore::Find (const GS::Guid& guid) const { return const_cast<ElementStore&> (*this).Find (guid); }

std::map<GS::Guid, API_Element> ElementStore::Records () const
{
    std::map<GS::Guid, API_Element> records;
    for (const Element& element : elements)
        records.emplace (element.record.guid, element.record);
    return records;
}

std::vector<const API_Element*> ElementStore::InModelOrder () const
{
    std::vector<const API_Element*> records;
    for (const Element& element : elements)
        records.push_back (&element.record);
    return records;
}

void ElementStore::Restore (const API_Element& record)
{
    if (API_Element* stored = Find (record.guid))
        std::memcpy (static_cast<void*> (stored), &record, sizeof record);
}

const API_Element* ElementStore::AtPoint (double x, double y, Int32 type) const
{
    for (const Element& element : elements)
        if (element.at.has_value () && element.at->x == x && element.at->y == y && (type == 0 || element.record.typeID == type))
            return &element.record;
    return nullptr;
}

Modeler::Sight* ElementStore::OpenSight ()
{
    sights.push_back (std::make_unique<Modeler::Sight> (model.Snapshot ()));
    return sights.back ().get ();
}

bool ElementStore::ReleaseSight (Modeler::Sight* sight)
{
    auto found = std::find_if (sights.begin (), sights.end (), [sight] (const auto& open) { return open.get () == sight; });
    if (found == sights.end ())
        return false;
    sights.erase (found);
    return true;
}

Modeler::IAttributeReader* ElementStore::NewAttributeReader () { return new HostAttributeReader (liveReaders); }

}   // namespace SimHost
