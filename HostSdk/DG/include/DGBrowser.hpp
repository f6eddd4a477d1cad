// DG::Browser: a web view item. The page it shows calls the functions of the script objects
// it was given, and the add-on runs lines of script in it.
#pragma once

#include "DGPanel.hpp"
#include "JSObjects.hpp"

#include <string>
#include <vector>

namespace DG {

class GSROOT_API Browser : public Item {
public:
    Browser (const Panel& panel, Int16 number);
    ~Browser () override;

    void OpenUrl (const GS::UniString& url);
    void RunScript (const GS::UniString& line);
    void AddScriptObject (GS::Ref<JS::Object> object);

    // What the browser was asked (for the host, which plays the page).
    const std::vector<std::string>&       GetOpenedUrls () const { return urls; }
    const std::vector<std::string>&       GetScriptLines () const { return lines; }
    const GS::Array<GS::Ref<JS::Object>>& GetScriptObjects () const { return scriptObjects; }

private:
    std::vector<std::string>       urls;
    std::vector<std::string>       lines;
    GS::Array<GS::Ref<JS::Object>> scriptObjects;
};

}   // namespace DG
