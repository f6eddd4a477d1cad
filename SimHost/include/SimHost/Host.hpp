// The simulated host: loads an add-on file, hands it the host function table, calls its
// entry functions and handlers on one UI thread, plays the page, and keeps an in-memory
// project. Everything it sees goes into its transcript.
#pragma once

#include "SimHost/AddOnRegistrations.hpp"
#include "SimHost/AttributeStore.hpp"
#include "SimHost/ContractChecks.hpp"
#include "SimHost/ElementStore.hpp"
#include "SimHost/EventHandlerStore.hpp"
#include "SimHost/Faults.hpp"
#include "SimHost/GuidGenerator.hpp"
#include "SimHost/HostError.hpp"
#include "SimHost/HostOperation.hpp"
#include "SimHost/Transcript.hpp"

#include "ModuleEntryRecord.hpp"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace DG {
class Panel;
class Palette;
class Browser;
}   // namespace DG

namespace SimHost {

class HostWindowSystem;

enum class EntryFunction { DescribeModule, RegisterModuleInterface, InitializeModule, ReleaseModule };
const char*                  EntryFunctionName (EntryFunction entry);
std::optional<EntryFunction> EntryFunctionByName (const std::string& name);

enum class ArgumentKind { None, String, Object };

struct HostOptions {
    UInt64 seed = 1;   // seeds the GUIDs the host makes
};

class Host {
public:
    using Options = HostOptions;

    explicit Host (Options options = {});
    Host (const Host&) = delete;
    Host& operator= (const Host&) = delete;
    ~Host ();   // unloads a loaded add-on, releasing it first

    // The host whose table the add-on calls (one at a time per process).
    static Host& Current ();

    // Lifecycle. Open: dlopen (absolute path) and GetExportedFuncAddrs. HandTable:
    // SetImportedFuncAddrs with the table of the API the entry record names.
    void      Open (const std::string& addOnPath);
    void      HandTable ();
    GSErrCode CallEntry (EntryFunction entry);
    // The whole start: open, table, describe, register, initialise; false when registering or
    // initialising returned nonzero.
    bool Load (const std::string& addOnPath);
    void Unload (bool release = true);
    bool IsOpen () const { return library != nullptr; }
    // The add-on file that the scenario step "load" opens.
    void                     SetAddOnFile (const std::string& path) { addOnFile = path; }
    const std::string&       AddOnFile () const { return addOnFile; }
    Int32                    ApiMajor () const { return apiMajor; }
    const std::string&       AddOnPath () const { return addOnPath; }
    const ModuleEntryRecord& EntryRecord () const { return entryRecord; }

    // The user interface.
    void Menu (Int32 list, Int32 item);
    void PaletteMessage (Int32 message);
    void HostEvent (Int32 code);
    void ClosePalette ();
    void ResizePalette (Int16 horizontalChange, Int16 verticalChange);
    // Runs the event loop until no deferred work is left.
    void RunEventLoop ();

    // The page calls archicad.<function>.
    void Call (const std::string& function, ArgumentKind kind = ArgumentKind::None, const std::string& argument = {});

    // Work for the UI thread, from any thread; the event loop (and a waiting point input) runs it.
    void Post (std::function<void ()> work);
    bool RunOnePostedWork ();
    // A deferred module command, run by the event loop.
    void QueueDeferred (std::function<void ()> work);
    bool RunOneDeferred ();

    // The project closes and an empty one opens: no materials, folders, elements or undo
    // history; the add-on stays loaded. HostError while the add-on holds a 3D sight or reader
    // or a point input waits.
    void NewProject ();

    // Queries.
    Line PaletteQuery () const;
    Line MemoryQuery () const;
    Line CallsQuery ();

    Transcript&         GetTranscript () { return transcript; }
    const Transcript&   GetTranscript () const { return transcript; }
    Faults&             GetFaults () { return faults; }
    AddOnRegistrations& Registrations () { return registrations; }
    AttributeStore&     Attributes () { return *attributes; }
    ElementStore&       Elements () { return *elements; }
    EventHandlerStore&  EventHandlers () { return *eventHandlers; }
    GuidGenerator&      Guids () { return guids; }

    // The palette the add-on holds (at most one exists), and its browser.
    DG::Palette* HeldPalette () const;
    DG::Browser* HeldBrowser () const;

    // The module identifier pair of the add-on's resource 32500.
    std::optional<API_ModulID> AddOnModuleId () const { return moduleId; }

    // Called by every slot of the table: logs the call and checks the host's contract.
    void Enter (HostOperation operation, bool withContext, void* context);
    // Records a breach of the contract and prints its line.
    void                                   Violation (Breach breach, const std::string& detail);
    const std::vector<SimHost::Violation>& Violations () const { return violations; }
    std::vector<std::string>               ViolationNames () const;
    void*                                  ContextPointer () { return this; }
    // Runs a function of the add-on that the host called: an exception it lets out is a breach
    // (named by 'what') and ends as 'failed'.
    template <class Result, class Function> Result Guarded (const char* what, Result failed, Function&& function)
    {
        try {
            return function ();
        } catch (...) {
            Violation (Breach::ExceptionEscaped, std::string (what) + " let an exception out");
            return failed;
        }
    }

    // Calls into the add-on, in the host's order: the add-on's own lines first, then this line.
    void Returned (GSErrCode code);

private:
    void CheckUiThread (const char* what);
    void CheckProcessingEvents (const char* what);
    void ReadAddOnResources ();

    Options                            options;
    Transcript                         transcript;
    Faults                             faults;
    AddOnRegistrations                 registrations;
    std::unique_ptr<AttributeStore>    attributes;
    std::unique_ptr<ElementStore>      elements;
    std::unique_ptr<EventHandlerStore> eventHandlers;
    GuidGenerator                      guids;
    std::unique_ptr<HostWindowSystem>  windowSystem;

    std::string                addOnFile;
    void*                      library = nullptr;
    std::string                addOnPath;
    ModuleEntryRecord          entryRecord {};
    Int32                      apiMajor = 0;
    std::vector<unsigned char> table;
    bool                       initialised = false;
    bool                       released = false;    // ReleaseModule returned; the context is taken back
    bool                       unloading = false;   // inside dlclose
    bool                       unloaded = false;    // the add-on file was closed
    USize                      blocksBeforeLoad = 0;
    std::optional<API_ModulID> moduleId;

    std::thread::id                    uiThread;
    std::mutex                         postedMutex;
    std::deque<std::function<void ()>> posted;
    std::deque<std::function<void ()>> deferred;

    std::vector<HostOperation>      callLog;   // compact: a long session makes millions of calls
    std::vector<SimHost::Violation> violations;
};

}   // namespace SimHost
