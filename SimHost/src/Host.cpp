#include "SimHost/Host.hpp"

#include "AddOnLibrary.hpp"
#include "HostTable.hpp"
#include "HostWindowSystem.hpp"

#include "CH.hpp"
#include "DGHostWindowSystem.hpp"
#include "GSHostDebug.hpp"
#include "JSHostEngine.hpp"
#include "MemoryManager.hpp"
#include "ModelerHost.hpp"
#include "RS.hpp"

#include <cstring>
#include <filesystem>

namespace SimHost {

namespace {

Host* currentHost = nullptr;

constexpr Int32 ModuleIdentifierResource = 32500;

void DebugToTranscript (const char* text)
{
    if (currentHost != nullptr)
        currentHost->GetTranscript ().Add ({ { "debug", text } });
}

template <class Proc> Proc* LookUp (void* library, const char* name)
{
    return reinterpret_cast<Proc*> (AddOnLibrary::Symbol (library, name));
}

}   // namespace

const char* EntryFunctionName (EntryFunction entry)
{
    switch (entry) {
        case EntryFunction::DescribeModule: return "DescribeModule";
        case EntryFunction::RegisterModuleInterface: return "RegisterModuleInterface";
        case EntryFunction::InitializeModule: return "InitializeModule";
        case EntryFunction::ReleaseModule: return "ReleaseModule";
    }
    return "";
}

std::optional<EntryFunction> EntryFunctionByName (const std::string& name)
{
    for (EntryFunction entry : { EntryFunction::DescribeModule, EntryFunction::RegisterModuleInterface, EntryFunction::InitializeModule,
                                 EntryFunction::ReleaseModule })
        if (name == EntryFunctionName (entry))
            return entry;
    return std::nullopt;
}

Host::Host (Options options)
    : options (options),
      attributes (std::make_unique<AttributeStore> ()),
      elements (std::make_unique<ElementStore> ()),
      eventHandlers (std::make_unique<EventHandlerStore> ()),
      guids (options.seed),
      windowSystem (std::make_unique<HostWindowSystem> (transcript)),
      uiThread (std::this_thread::get_id ())
{
    // an add-on file is loaded once per process, so two hosts would share one add-on
    if (currentHost != nullptr)
        throw HostError ("only one host runs in a process at a time");
    currentHost = this;
    DG::SetWindowSystem (windowSystem.get ());
    GS::SetDebugListener (&DebugToTranscript);
}

Host::~Host ()
{
    try {
        if (IsOpen ())
            Unload (true);
    } catch (...) {
    }
    DG::SetWindowSystem (nullptr);
    GS::SetDebugListener (nullptr);
    if (currentHost == this)
        currentHost = nullptr;
}

Host& Host::Current ()
{
    if (currentHost == nullptr)
        throw HostError ("no host");
    return *currentHost;
}

void Host::Open (const std::string& path)
{
    CheckUiThread ("Open");
    if (IsOpen ())
        throw HostError ("an add-on is already loaded");
    // the loader gets the absolute path, as the host passes it
    addOnPath = AddOnLibrary::LoaderPath (path);
    blocksBeforeLoad = GS::MemoryManager::AllocatedBlocks ();
    released = false;
    unloaded = false;
    std::string loadError;
    library = AddOnLibrary::Open (addOnPath, &loadError);
    if (library == nullptr)
        throw HostError ("cannot load the add-on: " + loadError);
    auto* getExported = LookUp<GetExportedFuncAddrsProc> (library, GetExportedFuncAddrsName);
    if (getExported == nullptr)
        throw HostError ("the add-on exports no GetExportedFuncAddrs");

    // a record full of garbage: the add-on must write every byte it relies on
    std::memset (&entryRecord, 0xA5, sizeof entryRecord);
    getExported (&entryRecord);
    bool otherBytesZero = true;
    for (UInt8 byte : entryRecord.zero1)
        otherBytesZero = otherBytesZero && byte == 0;
    for (UInt8 byte : entryRecord.zero2)
        otherBytesZero = otherBytesZero && byte == 0;
    apiMajor = Int32 (entryRecord.versionWord >> 16);
    ModelerAPI::SetPreparationRequired (apiMajor >= 28);
    transcript.Add ({ { "entryRecord",
                        { { "version", CodeText (Int32 (entryRecord.versionWord)) },
                          { "apiVersion", entryRecord.apiVersion },
                          { "otherBytesZero", otherBytesZero } } } });
    ReadAddOnResources ();
}

void Host::ReadAddOnResources ()
{
    moduleId.reset ();
    const GSResModule resources = RSOpenModuleFile (addOnPath.c_str ());
    if (resources == InvalidResModule)
        return;
    API_ModulID id {};
    if (RSGetModuleIdentifier (resources, ModuleIdentifierResource, &id.developerId, &id.localId))
        moduleId = id;
    RSRemoveModuleImageCache (resources);
}

void Host::HandTable ()
{
    CheckUiThread ("HandTable");
    if (!IsOpen ())
        throw HostError ("no add-on is loaded");
    table = BuildHostTable (apiMajor == 27 ? 27 : 28, faults.EmptySlots ());
    auto* setImported = LookUp<SetImportedFuncAddrsProc> (library, SetImportedFuncAddrsName);
    if (setImported == nullptr)
        throw HostError ("the add-on exports no SetImportedFuncAddrs");
    setImported (table.data ());
}

GSErrCode Host::CallEntry (EntryFunction entry)
{
    CheckUiThread ("CallEntry");
    if (!IsOpen ())
        throw HostError ("no add-on is loaded");
    GSErrCode result = 0;
    switch (entry) {
        case EntryFunction::DescribeModule: {
            API_EnvirParams* envir = new API_EnvirParams ();
            result = Guarded ("DescribeModule", GSErrCode (APIERR_GENERAL), [&] { return entryRecord.describeModule (envir); });
            transcript.Add ({ { "entry", "DescribeModule" }, { "returned", CodeText (result) } });
            if (!envir->addOnName.IsEmpty () || !envir->addOnDescription.IsEmpty ())
                transcript.Add (
                    { { "described",
                        { { "name", envir->addOnName.ToCStr ().Get () }, { "description", envir->addOnDescription.ToCStr ().Get () } } } });
            delete envir;
            return result;
        }
        case EntryFunction::RegisterModuleInterface:
            result = Guarded ("RegisterModuleInterface", GSErrCode (APIERR_GENERAL),
                              [&] { return entryRecord.registerModuleInterface (nullptr); });
            break;
        case EntryFunction::InitializeModule:
            released = false;
            initialised = true;
            result =
                Guarded ("InitializeModule", GSErrCode (APIERR_GENERAL), [&] { return entryRecord.initializeModule (ContextPointer ()); });
            break;
        case EntryFunction::ReleaseModule:
            result = Guarded ("ReleaseModule", GSErrCode (APIERR_GENERAL), [&] { return entryRecord.releaseModule (); });
            initialised = false;
            released = true;
            break;
    }
    transcript.Add ({ { "entry", EntryFunctionName (entry) }, { "returned", CodeText (result) } });
    return result;
}

bool Host::Load (const std::string& path)
{
    Open (path);
    HandTable ();
    CallEntry (EntryFunction::DescribeModule);
    if (CallEntry (EntryFunction::RegisterModuleInterface) != 0)
        return false;
    return CallEntry (EntryFunction::InitializeModule) == 0;
}

void Host::Unload (bool release)
{
    CheckUiThread ("Unload");
    if (!IsOpen ())
        throw HostError ("no add-on is loaded");
    if (release)
        CallEntry (EntryFunction::ReleaseModule);
    // what the host owns of the add-on's making goes first: its code lives in the add-on
    eventHandlers->DestroyAll ();
    deferred.clear ();
    // the add-on's unload steps run inside dlclose and may still call the host, its context
    // already cleared
    unloading = true;
    AddOnLibrary::Close (library);
    unloading = false;
    library = nullptr;
    unloaded = true;
    if (AddOnLibrary::StillLoaded (addOnPath))
        Violation (Breach::StayedLoaded, addOnPath);
    const USize blocks = GS::MemoryManager::AllocatedBlocks ();
    if (blocks > blocksBeforeLoad)
        Violation (Breach::BlockLeakedAtUnload,
                   std::to_string (blocks - blocksBeforeLoad) + " blocks more than before the add-on was loaded");
    windowSystem->Forget ();
    registrations = AddOnRegistrations ();
    table.clear ();
}

void Host::Returned (GSErrCode code) { transcript.Add ({ { "returned", CodeText (code) } }); }

void Host::Menu (Int32 list, Int32 item)
{
    auto handler = registrations.menuHandlers.find (Int16 (list));
    if (handler == registrations.menuHandlers.end ())
        return;
    API_MenuParams params;
    std::memset (&params, 0, sizeof params);
    params.menuResId = Int16 (list);
    params.itemIndex = item;
    Returned (Guarded ("the menu handler", GSErrCode (0), [&] { return handler->second (&params); }));
}

void Host::PaletteMessage (Int32 message)
{
    if (!registrations.palette.has_value ())
        return;
    const API_PaletteRegistration palette = *registrations.palette;
    bool                          result = false;
    const GSErrCode               code = Guarded ("the palette control callback", GSErrCode (APIERR_GENERAL), [&] {
        return palette.controlCallback (Int32 (palette.referenceNumber), message, message == 7 ? &result : nullptr);
    });
    Returned (code);
    if (message == 7)
        transcript.Add ({ { "paletteResult", result } });
}

void Host::HostEvent (Int32 code)
{
    if (registrations.eventHandler == nullptr || (registrations.eventMask & code) == 0)
        return;
    Returned (Guarded ("the host event handler", GSErrCode (APIERR_GENERAL), [&] { return registrations.eventHandler (code); }));
}

void Host::NewProject ()
{
    if (elements->OpenSights () != 0 || elements->LiveAttributeReaders () != 0 || elements->Input ().IsWaiting ())
        throw HostError ("the project cannot close while the add-on is using it");
    auto fresh = std::make_unique<ElementStore> ();
    fresh->Input ().SetIdleWait (elements->Input ().IdleWait ());
    elements = std::move (fresh);
    attributes = std::make_unique<AttributeStore> ();
}

void Host::ClosePalette ()
{
    DG::Palette* palette = HeldPalette ();
    if (palette == nullptr || !palette->IsVisible ())
        return;
    CheckProcessingEvents ("a close request");
    const bool accepted = DG::RequestClose (*palette);
    transcript.Add ({ { "accepted", accepted } });
}

void Host::ResizePalette (Int16 horizontalChange, Int16 verticalChange)
{
    if (DG::Palette* palette = HeldPalette ()) {
        CheckProcessingEvents ("a resize by the user");
        DG::UserResize (*palette, horizontalChange, verticalChange);
    }
}

void Host::RunEventLoop ()
{
    while (RunOnePostedWork () || RunOneDeferred ()) {
    }
}

void Host::Call (const std::string& function, ArgumentKind kind, const std::string& argument)
{
    DG::Browser* browser = HeldBrowser ();
    if (browser == nullptr)
        throw HostError ("no page: no palette exists");
    CheckProcessingEvents ("a page call");
    const JS::Function* found = nullptr;
    const auto&         objects = browser->GetScriptObjects ();
    for (UInt32 i = objects.GetSize (); i > 0 && found == nullptr; --i)
        found = objects[i - 1]->FindItem (GS::UniString (function.c_str ()));
    if (found == nullptr)
        throw HostError ("the page has no function archicad." + function);

    GS::Ref<JS::Base, GS::Counter> passed;
    if (kind == ArgumentKind::String)
        passed = GS::Ref<JS::Base, GS::Counter> (new JS::Value (GS::UniString (argument.c_str (), argument.size (), CC_Default)));
    else if (kind == ArgumentKind::Object)
        passed = GS::Ref<JS::Base, GS::Counter> (new JS::Object (GS::UniString ("argument")));
    // the function object stays alive for the call even if the page's palette goes away
    JS::CallOutcome outcome = JS::Invoke (*found, std::move (passed));
    switch (outcome.kind) {
        case JS::CallOutcome::Kind::String: transcript.Add ({ { "result", outcome.text } }); break;
        case JS::CallOutcome::Kind::NoValue: transcript.Add ({ { "result", nullptr } }); break;
        case JS::CallOutcome::Kind::Exception: transcript.Add ({ { "exception", outcome.text } }); break;
    }
}

void Host::Post (std::function<void ()> work)
{
    std::lock_guard<std::mutex> lock (postedMutex);
    posted.push_back (std::move (work));
}

bool Host::RunOnePostedWork ()
{
    std::function<void ()> work;
    {
        std::lock_guard<std::mutex> lock (postedMutex);
        if (posted.empty ())
            return false;
        work = std::move (posted.front ());
        posted.pop_front ();
    }
    work ();
    return true;
}

void Host::QueueDeferred (std::function<void ()> work) { deferred.push_back (std::move (work)); }

bool Host::RunOneDeferred ()
{
    if (deferred.empty ())
        return false;
    std::function<void ()> work = std::move (deferred.front ());
    deferred.pop_front ();
    work ();
    return true;
}

DG::Palette* Host::HeldPalette () const
{
    for (DG::Panel* panel : windowSystem->Panels ())
        if (auto* palette = dynamic_cast<DG::Palette*> (panel))
            return palette;
    return nullptr;
}

DG::Browser* Host::HeldBrowser () const
{
    DG::Palette* palette = HeldPalette ();
    return palette == nullptr ? nullptr : dynamic_cast<DG::Browser*> (palette->GetItem (1));
}

Line Host::PaletteQuery () const
{
    DG::Palette* palette = HeldPalette ();
    if (palette == nullptr)
        return { { "palette", { { "exists", false } } } };
    DG::Browser* browser = HeldBrowser ();
    Line         state = Line::object ();
    state["exists"] = true;
    state["visible"] = palette->IsVisible ();
    state["width"] = palette->GetWidth ();
    state["height"] = palette->GetHeight ();
    state["browser"] = browser == nullptr ? Line (nullptr) : Line::array ({ browser->GetWidth (), browser->GetHeight () });
    return { { "palette", state } };
}

Line Host::MemoryQuery () const
{
    return { { "memory", { { "blocks", GS::MemoryManager::AllocatedBlocks () }, { "bytes", GS::MemoryManager::AllocatedBytes () } } } };
}

Line Host::CallsQuery ()
{
    Line calls = Line::array ();
    for (const HostOperation operation : callLog)
        calls.push_back (OperationName (operation));
    callLog.clear ();
    return { { "calls", calls } };
}

void Host::Enter (HostOperation operation, bool withContext, void* context)
{
    const std::string name = OperationName (operation);
    callLog.push_back (operation);
    CheckUiThread (name.c_str ());
    if (unloaded || !IsOpen ())
        Violation (Breach::CallAfterUnload, name);
    else if (table.empty ())
        Violation (Breach::CallBeforeTable, name);
    else if (withContext && context != nullptr && context != ContextPointer ())
        Violation (Breach::ForeignContext, name);
    else if (withContext && context != nullptr && released)
        Violation (Breach::CallAfterRelease, name);
    else if (withContext && context == nullptr && initialised && !unloading)
        Violation (Breach::NullContext, name);
}

void Host::Violation (Breach breach, const std::string& detail)
{
    const std::string name (ContractCheckOf (breach).name);
    violations.push_back ({ name, detail });
    transcript.Add ({ { "violation", name }, { "detail", detail } });
}

std::vector<std::string> Host::ViolationNames () const
{
    std::vector<std::string> names;
    for (const SimHost::Violation& violation : violations)
        names.push_back (violation.name);
    return names;
}

void Host::CheckProcessingEvents (const char* what)
{
    DG::Palette* palette = HeldPalette ();
    if (palette != nullptr && !palette->IsProcessingEvents ())
        Violation (Breach::EventProcessingOff, what);
}

void Host::CheckUiThread (const char* what)
{
    if (std::this_thread::get_id () != uiThread)
        Violation (Breach::OffUiThread, what);
}

}   // namespace SimHost
