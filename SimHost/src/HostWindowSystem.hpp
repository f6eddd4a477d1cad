// The host's window system under DG: it sees the add-on's panels and browsers and writes
// what the page is asked into the transcript.
#pragma once

#include "DGHostWindowSystem.hpp"

#include <vector>

namespace SimHost {

class Transcript;

class HostWindowSystem : public DG::WindowSystem {
public:
    explicit HostWindowSystem (Transcript& transcript)
        : transcript (transcript)
    {}

    void PanelCreated (DG::Panel& panel) override;
    void PanelDestroyed (DG::Panel& panel) override;
    void UrlOpened (DG::Browser&, const GS::UniString& url) override;
    void ScriptRun (DG::Browser&, const GS::UniString& line) override;
    void ScriptObjectAdded (DG::Browser&, const JS::Object& object) override;
    void PanelShown (DG::Panel& panel, Int16 referenceItem) override;
    void PanelResizedBy (DG::Panel& panel, Int16 fixPoint, bool keepOld) override;

    const std::vector<DG::Panel*>& Panels () const { return panels; }
    void                           Forget () { panels.clear (); }

private:
    Transcript&             transcript;
    std::vector<DG::Panel*> panels;
};

}   // namespace SimHost
