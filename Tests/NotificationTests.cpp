// Attribute events: the host tells the add-on's attribute-folder handler which attributes an
// event concerns, and the page hears of changes to the catalogue's materials.
#include "HostFixture.hpp"

#include "EventHandlers.hpp"
#include "SimHost/AttributeStore.hpp"

#include <algorithm>
#include <memory>
#include <utility>

using namespace VirelTests;

namespace {

const std::string Harbour = "6A1F0C2E-0001-4A10-8000-00000000B1E5";   // Surfaces/Virel/Blues
const std::string Ink = "6A1F0C2E-0002-4A10-8000-00000000B1E5";       // Surfaces/Virel/Blues
const std::string Chalk = "6A1F0C2E-0003-4A10-8000-00000000C0A1";     // Surfaces/Virel
const std::string Moss = "6A1F0C2E-0004-4A10-8000-00000000D0EE";      // Surfaces/Virel/Greens/Deep
const std::string Loose = "6A1F0C2E-0005-4A10-8000-0000000100CE";     // Virel
const std::string Brick = "6A1F0C2E-0006-4A10-8000-00000000B21C";     // Surfaces/Other
const std::string Unknown = "6A1F0C2E-0007-4A10-8000-00000000DEAD";   // nowhere in the project

const std::string EventStart = "VirelEvents.onMaterialsModified(";

std::string Notify (int which, const std::vector<std::string>& guids)
{
    return nlohmann::json { { "do", "notify" }, { "which", which }, { "guids", guids } }.dump ();
}

std::string EventLine (const std::string& catalogue) { return PageLine (EventStart + catalogue + ")"); }

// The materials-modified lines among 'lines'.
std::vector<std::string> Events (const std::vector<std::string>& lines)
{
    std::vector<std::string> events;
    for (const std::string& line : Only (lines, "page"))
        if (nlohmann::json::parse (line)["page"].get<std::string> ().rfind (EventStart, 0) == 0)
            events.push_back (line);
    return events;
}

// A handler of the test's own, registered beside the add-on's: it hears what the host sends.
struct Heard {
    int                      which;
    std::vector<std::string> guids;
    bool                     operator== (const Heard&) const = default;
};

class RecordingHandler : public API_IAttributeFolderEventHandler {
public:
    explicit RecordingHandler (std::shared_ptr<std::vector<Heard>> heard)
        : heard (std::move (heard))
    {}
    GS::UniString GetName () const override { return GS::UniString ("RecordingHandler"); }
    GSErrCode     RegisterAt (API_IEventNotifier& notifier) const override { return notifier.RegisterEventHandler (*this); }
    void          NotifyBefore (const API_AttributeEventIds& affected) const override { Record (1, affected); }
    void          NotifyCreated (const API_AttributeEventIds& affected) const override { Record (2, affected); }
    void          NotifyChanged (const API_AttributeEventIds& affected) const override { Record (3, affected); }

private:
    void Record (int which, const API_AttributeEventIds& affected) const
    {
        Heard entry { which, {} };
        for (UInt32 i = 0; i < affected.GetSize (); ++i)
            entry.guids.push_back (affected[i].guid.ToUniString ().ToCStr ().Get ());
        heard->push_back (entry);
    }
    std::shared_ptr<std::vector<Heard>> heard;
};

class NotificationTest : public HostTest {
protected:
    void SetUp () override
    {
        LoadAndOpenPalette ();
        Run (AddMaterial ({ "Surfaces", "Virel", "Blues" }, "Harbour Blue", Harbour) + "\n" +
             AddMaterial ({ "Surfaces", "Virel", "Blues" }, "Ink", Ink) + "\n" + AddMaterial ({ "Surfaces", "Virel" }, "Chalk", Chalk) +
             "\n" + AddMaterial ({ "Surfaces", "Virel", "Greens", "Deep" }, "Moss", Moss) + "\n" +
             AddMaterial ({ "Virel" }, "Loose", Loose) + "\n" + AddMaterial ({ "Surfaces", "Other" }, "Brick", Brick));
    }

    static std::string AddMaterial (const std::vector<std::string>& path, const std::string& name, const std::string& guid)
    {
        return nlohmann::json {
            { "do", "addMaterial" }, { "path", path }, { "name", name }, { "guid", guid }, { "rgb", { 0.2, 0.4, 0.6 } }
        }.dump ();
    }

    std::string GetMaterials ()
    {
        const std::vector<std::string> lines = Run (CallStep ("getMaterials"));
        EXPECT_EQ (lines.size (), 1u);
        return lines.empty () ? "" : nlohmann::json::parse (lines.back ())["result"].get<std::string> ();
    }

    std::shared_ptr<std::vector<Heard>> RegisterRecorder ()
    {
        auto heard = std::make_shared<std::vector<Heard>> ();
        EXPECT_EQ (host->EventHandlers ().Register (*host, new RecordingHandler (heard), nullptr), NoError);
        return heard;
    }
};

TEST_P (NotificationTest, ABluesMaterialSendsTheCatalogueOnce)
{
    const std::vector<std::string> lines = Run (Notify (2, { Harbour }));
    const std::string              catalogue = GetMaterials ();
    EXPECT_NE (catalogue.find ("Harbour Blue"), std::string::npos);
    EXPECT_EQ (lines, std::vector<std::string> { EventLine (catalogue) });
}

struct NotificationCase {
    const char*              what;
    int                      which;
    std::vector<std::string> guids;
    std::size_t              events;
};

TEST_P (NotificationTest, OnlyCatalogueMaterialsInTheSecondAndThirdNotificationCount)
{
    const NotificationCase cases[] = {
        { "two catalogue materials", 3, { Harbour, Chalk }, 1 },
        { "every catalogue material", 2, { Harbour, Ink, Chalk, Moss }, 1 },
        { "a material of the root", 2, { Chalk }, 1 },
        { "a material two folders down", 3, { Moss }, 1 },
        { "outside, then in the catalogue", 3, { Brick, Ink }, 1 },
        { "only outside the catalogue", 3, { Brick }, 0 },
        { "the one-component folder Virel", 2, { Loose }, 0 },
        { "outside, twice", 2, { Loose, Brick }, 0 },
        { "nothing", 2, {}, 0 },
        { "the first notification", 1, { Harbour, Chalk }, 0 },
        { "the first notification, unknown", 1, { Unknown }, 0 },
        { "never in the project", 3, { Unknown }, 0 },
    };
    for (const NotificationCase& notification : cases) {
        SCOPED_TRACE (notification.what);
        const std::vector<std::string> lines = Run (Notify (notification.which, notification.guids));
        EXPECT_EQ (Events (lines).size (), notification.events);
        EXPECT_EQ (lines.size (), notification.events);   // nothing else: no report, no exception
    }
}

TEST_P (NotificationTest, AnAttributeNeverInTheCatalogueSendsNothing)
{
    Run (R"({"do":"breakMaterial","guid":")" + Brick + R"("})");
    const std::string nullId = "00000000-0000-0000-0000-000000000000";
    for (const std::vector<std::string>& guids :
         { std::vector<std::string> { Unknown }, { nullId }, { Brick }, { Unknown, nullId, Loose } }) {
        SCOPED_TRACE (guids.front ());
        EXPECT_EQ (Run (Notify (3, guids)), std::vector<std::string> {});
    }
}

TEST_P (NotificationTest, ACatalogueMaterialThatIsGoneSendsTheCatalogueTheNextTimeOnly)
{
    ASSERT_NE (GetMaterials ().find (Harbour), std::string::npos);
    SimHost::AttributeStore& attributes = host->Attributes ();
    attributes.DeleteMaterial (*attributes.FindMaterial (GS::Guid (Harbour.c_str ())));
    const std::vector<std::string> gone = Run (Notify (3, { Harbour }));
    const std::string              catalogue = GetMaterials ();
    EXPECT_EQ (catalogue.find (Harbour), std::string::npos);
    EXPECT_EQ (gone, std::vector<std::string> { EventLine (catalogue) });
    // the page has been shown the catalogue without it
    EXPECT_EQ (Run (Notify (3, { Harbour })), std::vector<std::string> {});
}

TEST_P (NotificationTest, AnUnreadableCatalogueMaterialSendsTheCatalogue)
{
    Run (R"({"do":"breakMaterial","guid":")" + Chalk + R"("})");
    const std::vector<std::string> lines = Run (Notify (2, { Chalk }));
    ASSERT_EQ (Events (lines).size (), 1u);
    // reading it is reported, and it is left out
    EXPECT_EQ (Only (lines, "report"), std::vector<std::string> { ReportLine ("Failed to get attribute") });
    const std::vector<std::string> read = Only (Run (CallStep ("getMaterials")), "result");
    ASSERT_EQ (read.size (), 1u);
    EXPECT_EQ (Events (lines).front (), EventLine (nlohmann::json::parse (read.front ())["result"].get<std::string> ()));
}

TEST_P (NotificationTest, TheAddOnsOwnChangesSendNoEventWhateverTheHostNotifies)
{
    const std::shared_ptr<std::vector<Heard>> heard = RegisterRecorder ();
    const std::string                         entries =
        R"([{"name":"Sea","color":{"red":10,"green":20,"blue":200},"path":"Surfaces/Virel/Blues","product":{"ambient":1,"diffuse":2,"shine":3,"specular":4}}])";
    const std::vector<std::string> created = Run (CallStep ("createMaterials", entries));
    EXPECT_EQ (Events (created), std::vector<std::string> {});
    ASSERT_EQ (Only (created, "result").size (), 1u);
    EXPECT_FALSE (heard->empty ());
    EXPECT_TRUE (std::all_of (heard->begin (), heard->end (), [] (const Heard& entry) { return entry.which == 2; }));

    heard->clear ();
    const std::vector<std::string> deleted = Run (CallStep ("deleteMaterial", Harbour));
    EXPECT_EQ (Events (deleted), std::vector<std::string> {});
    ASSERT_EQ (Only (deleted, "result").size (), 1u);
    EXPECT_EQ (*heard, (std::vector<Heard> { { 3, { Harbour } } }));

    // the guard ends with the call: the next change from outside is heard
    EXPECT_EQ (Events (Run (Notify (3, { Ink }))).size (), 1u);
}

TEST_P (NotificationTest, AutoNotifyOffKeepsTheHostQuietAboutItsChanges)
{
    const std::shared_ptr<std::vector<Heard>> heard = RegisterRecorder ();
    Run (R"({"do":"autoNotify","on":false})");
    Run (CallStep ("deleteMaterial", Harbour));
    EXPECT_EQ (*heard, std::vector<Heard> {});

    Run (R"({"do":"autoNotify","on":true})");
    Run (CallStep ("deleteMaterial", Ink));
    EXPECT_EQ (*heard, (std::vector<Heard> { { 3, { Ink } } }));
}

TEST_P (NotificationTest, NotificationsCreateNoFolder)
{
    const std::vector<std::string> before = Run (R"({"do":"folders"})");
    Run (Notify (2, { Harbour }) + "\n" + Notify (3, { Loose }) + "\n" + Notify (3, { Unknown }) + "\n" + Notify (1, { Chalk }));
    EXPECT_EQ (Run (R"({"do":"folders"})"), before);
}

TEST_P (NotificationTest, APaletteAfterHostEvent64SharesTheOneHandler)
{
    Run (R"({"do":"hostEvent","code":64}
{"do":"menu","list":32500,"item":1}
{"do":"hostEvent","code":64}
{"do":"menu","list":32500,"item":1})");
    ASSERT_NE (host->HeldPalette (), nullptr);
    EXPECT_EQ (Events (Run (Notify (2, { Harbour }))).size (), 1u);
    EXPECT_EQ (host->EventHandlers ().AttributeFolderHandlerNames (), std::vector<std::string> { "AttributeFolderEventHandler" });
}

TEST_P (NotificationTest, WithNoPaletteHeldTheCheckDoesNothingAtAll)
{
    Run (R"({"do":"hostEvent","code":64}
{"do":"calls"})");
    ASSERT_EQ (host->HeldPalette (), nullptr);
    const std::vector<std::string> lines =
        Run (Notify (2, { Harbour, Unknown }) + "\n" + Notify (3, { Chalk }) + "\n" + R"({"do":"calls"})");
    EXPECT_EQ (lines, std::vector<std::string> { R"({"calls":[]})" });
}

TEST_P (NotificationTest, AReloadedAddOnRegistersAFreshHandler)
{
    Run (R"({"do":"unload"})");
    EXPECT_EQ (host->EventHandlers ().OwnedCount (), 0u);
    LoadAndOpenPalette ();
    EXPECT_EQ (Events (Run (Notify (3, { Chalk }))).size (), 1u);
}

class NotificationSlotTest : public HostTest {};

TEST_P (NotificationSlotTest, AnEmptyRegistrationSlotLeaksNothingAndThePaletteIsCreated)
{
    const std::string              start = Run (R"({"do":"memory"})").at (0);
    const std::vector<std::string> opened = Run (R"({"do":"emptySlot","op":"HostRegisterEventHandler"}
{"do":"load"}
{"do":"menu","list":32500,"item":1})");
    EXPECT_EQ (Only (opened, "page").front (), PageLine ("VirelEvents.onCreated()"));
    ASSERT_NE (host->HeldPalette (), nullptr);
    const std::string withPalette = Run (R"({"do":"memory"})").at (0);

    // another palette tries again, and leaves nothing behind either
    Run (R"({"do":"hostEvent","code":64}
{"do":"menu","list":32500,"item":1})");
    EXPECT_EQ (Run (R"({"do":"memory"})").at (0), withPalette);
    EXPECT_EQ (host->EventHandlers ().OwnedCount (), 0u);

    Run (R"({"do":"hostEvent","code":64}
{"do":"unload"})");
    EXPECT_EQ (Run (R"({"do":"memory"})").at (0), start);
}

TEST_P (NotificationSlotTest, ARefusedRegistrationLeaksNothingAndTheNextPaletteRegisters)
{
    const std::string start = Run (R"({"do":"memory"})").at (0);
    Run (R"({"do":"fail","op":"HostRegisterEventHandler","code":"0x81060001","count":1}
{"do":"load"}
{"do":"menu","list":32500,"item":1})");
    ASSERT_NE (host->HeldPalette (), nullptr);
    EXPECT_EQ (host->EventHandlers ().OwnedCount (), 0u);
    Run (R"({"do":"hostEvent","code":64}
{"do":"menu","list":32500,"item":1})");
    EXPECT_EQ (host->EventHandlers ().OwnedCount (), 1u);
    Run (R"({"do":"hostEvent","code":64}
{"do":"unload"})");
    EXPECT_EQ (Run (R"({"do":"memory"})").at (0), start);
}

TEST_P (NotificationSlotTest, TheHostDestroysTheHandlerBeforeUnloading)
{
    const std::string start = Run (R"({"do":"memory"})").at (0);
    LoadAndOpenPalette ();
    EXPECT_EQ (host->EventHandlers ().OwnedCount (), 1u);
    const std::vector<std::string> lines = Run (R"({"do":"hostEvent","code":64}
{"do":"unload"}
{"do":"memory"})");
    EXPECT_EQ (Only (lines, "violation"), std::vector<std::string> {});
    EXPECT_EQ (lines.back (), start);
    EXPECT_EQ (host->EventHandlers ().OwnedCount (), 0u);
}

TEST_P (NotificationSlotTest, AProjectWithoutTheFoldersGetsNoneFromANotification)
{
    LoadAndOpenPalette ();
    const std::vector<std::string> before = Run (R"({"do":"folders"})");
    const std::vector<std::string> lines = Run (Notify (2, { Unknown }) + "\n" + Notify (3, { Unknown }) + "\n" + Notify (1, { Unknown }));
    EXPECT_EQ (lines, std::vector<std::string> {});
    EXPECT_EQ (Run (R"({"do":"folders"})"), before);
}

TEST (NotificationSteps, MalformedOnesAreRefused)
{
    const char* malformed[] = {
        R"({"do":"notify","which":0,"guids":[]})",
        R"({"do":"notify","which":4,"guids":[]})",
        R"({"do":"notify","which":"2","guids":[]})",
        R"({"do":"notify","which":2})",
        R"({"do":"notify","which":2,"guids":"6A1F0C2E-0001-4A10-8000-00000000B1E5"})",
        R"({"do":"notify","which":2,"guids":["not a guid"]})",
        R"({"do":"notify","which":2,"guids":[7]})",
        R"({"do":"notify","which":2,"guids":[],"extra":1})",
        R"({"do":"autoNotify"})",
        R"({"do":"autoNotify","on":"yes"})",
    };
    for (const char* step : malformed) {
        SCOPED_TRACE (step);
        EXPECT_THROW (SimHost::ParseScenarioText (step), SimHost::ScenarioError);
    }
    EXPECT_NO_THROW (SimHost::ParseScenarioText (R"({"do":"notify","which":2,"guids":["{6a1f0c2e-0001-4a10-8000-00000000b1e5}"]})"));
}

VIREL_ON_BOTH_BUILDS (NotificationTest);
VIREL_ON_BOTH_BUILDS (NotificationSlotTest);

}   // namespace
