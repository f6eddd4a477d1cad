#include "SandboxState.hpp"

#include "SimHost/DrawnMaterial.hpp"
#include "SimHost/ProjectQueries.hpp"

#include "../PickKinds.hpp"

#include "RS.hpp"

namespace SimHost::Serve {

namespace {

Line BodiesLine (const API_Element& element, const std::vector<Model3D::Body>& bodies)
{
    Line shown = Line::array ();
    for (const Model3D::Body& body : bodies) {
        Line polygons = Line::array ();
        for (const Model3D::Polygon& polygon : body) {
            Line vertices = Line::array ();
            for (const Vertex& vertex : polygon.vertices)
                vertices.push_back (Line::array ({ vertex[0], vertex[1], vertex[2] }));
            Line entry = Line::object ();
            entry["kind"] = CodeText (polygon.faceKind);
            entry["vertices"] = std::move (vertices);
            entry["material"] = DrawnMaterial (element, polygon.faceKind);
            polygons.push_back (std::move (entry));
        }
        shown.push_back (std::move (polygons));
    }
    return shown;
}

Line ElementsLine (Host& host)
{
    Line                                  elements = Line::array ();
    const std::vector<const API_Element*> records = host.Elements ().InModelOrder ();
    for (std::size_t index = 0; index < records.size (); ++index) {
        Line element = ElementQuery (records[index])["element"];
        element["pickKind"] = PickKindOfElementType (records[index]->typeID);
        element["bodies"] = BodiesLine (*records[index], host.Elements ().Model ().Bodies (Int32 (index)));
        elements.push_back (std::move (element));
    }
    return elements;
}

// The menu's text ends at the host's suffix ("^ES...").
std::string MenuText (const GS::UniString& text)
{
    const std::string shown = text.ToCStr ().Get ();
    return shown.substr (0, shown.find ('^'));
}

// Each registered menu: its string list's first string is the menu, the others its items.
Line ReadMenus (Host& host)
{
    Line              menus = Line::array ();
    const GSResModule resources = RSOpenModuleFile (host.AddOnPath ().c_str ());
    if (resources == InvalidResModule)
        return menus;
    for (const API_MenuRecord& record : host.Registrations ().menus) {
        GS::UniString text;
        if (!RSGetIndString_ParamAdapter (&text, record.menuResId, 1, resources))
            continue;
        Line items = Line::array ();
        for (Int32 index = 2; RSGetIndString_ParamAdapter (&text, record.menuResId, index, resources); ++index)
            items.push_back (MenuText (text));
        RSGetIndString_ParamAdapter (&text, record.menuResId, 1, resources);
        menus.push_back ({ { "list", record.menuResId }, { "title", MenuText (text) }, { "items", std::move (items) } });
    }
    RSRemoveModuleImageCache (resources);
    return menus;
}

// Read once per loaded add-on and its menus: the resources do not change while it is loaded.
Line MenusLine (Host& host)
{
    static std::string readFor;
    static Line        menus;
    if (!host.IsOpen ())
        return Line::array ();
    const std::string key = host.AddOnPath () + "#" + std::to_string (host.Registrations ().menus.size ());
    if (key != readFor) {
        menus = ReadMenus (host);
        readFor = key;
    }
    return menus;
}

}   // namespace

Line SandboxState (Host& host)
{
    ElementStore& elements = host.Elements ();
    Line          state = Line::object ();
    state["palette"] = host.PaletteQuery ()["palette"];
    state["materials"] = MaterialsQuery (host.Attributes ())["materials"];
    state["folders"] = FoldersQuery (host.Attributes ())["folders"];
    state["undoHistory"] = elements.History ().UndoNames ();
    state["redo"] = elements.History ().RedoNames ();
    state["elements"] = ElementsLine (host);
    state["window"] = elements.FrontWindow () == API_3DWindowType ? "3d" : "plan";
    const bool waiting = elements.Input ().IsWaiting ();
    state["input"] = { { "waiting", waiting }, { "prompt", waiting ? elements.Input ().LastPrompt () : std::string () } };
    state["menus"] = MenusLine (host);
    return state;
}

}   // namespace SimHost::Serve
