// after-release: between ReleaseModule and the unload the host may still deliver what its
// user does: page calls, palette messages, attribute notifications, host event 64. None of it
// may reach the host with the context it took back, crash, or end a page call other than with
// a result or a page exception.
#include "ValidationChecks.hpp"
#include "SimHost/ValidationSession.hpp"

#include <algorithm>
#include <random>

namespace SimHost {

namespace {

std::vector<std::string> StepsAfterRelease ()
{
    const std::string material = SmallProjectMaterial;
    const std::string paint = std::string (R"({"elementId":")") + SmallProjectWall + R"(","elementIndex":1,"materialId":")" + material +
                              R"(","bodyIndex":1,"polygonIndex":1})";
    return {
        R"({"do":"call","fn":"getMaterials"})",
        CallStep ("createMaterials", R"([{"name":"Late","color":{"red":1,"green":2,"blue":3},"path":"Surfaces/Virel/Late"}])"),
        CallStep ("deleteMaterial", material),
        R"({"do":"call","fn":"beginPaint"})",
        R"({"do":"eventLoop"})",
        R"({"do":"call","fn":"endPaint"})",
        CallStep ("paintElement", paint),
        R"({"do":"call","fn":"resize","arg":"{\"width\":320,\"height\":240}"})",
        R"({"do":"call","fn":"hide"})",
        R"({"do":"paletteMessage","message":6})",
        R"({"do":"paletteMessage","message":7})",
        R"({"do":"paletteMessage","message":1})",
        R"({"do":"menu","list":32500,"item":1})",
        R"({"do":"notify","which":2,"guids":[")" + material + R"("]})",
        R"({"do":"notify","which":3,"guids":[")" + material + R"("]})",
        R"({"do":"hostEvent","code":64})",
    };
}

}   // namespace

void CheckAfterRelease (const ValidationContext& context)
{
    std::mt19937_64          random (context.seed);
    std::vector<std::string> steps = StepsAfterRelease ();
    std::shuffle (steps.begin (), steps.end (), random);
    ValidationSession session (context);
    OpenPaletteInSmallProject (session);
    session.Run (R"({"do":"call","fn":"beginPaint"})");
    const std::vector<Line> released = session.Run (R"({"do":"entry","name":"ReleaseModule"})");
    Require (LinesWith (released, "returned").at (0)["returned"] == "0x00000000", "ReleaseModule did not return 0");
    for (const std::string& step : steps) {
        // a page exists only while a palette does: event 64 destroys it, the menu or message 6
        // makes it again
        const bool pageCall = step.find (R"("do":"call")") != std::string::npos;
        if (pageCall && session.GetHost ().HeldBrowser () == nullptr)
            continue;
        const std::vector<Line> lines = session.Run (step);
        if (pageCall)
            RequireDocumentedOutcome (lines, step);
        if (!session.GetHost ().Violations ().empty ())
            throw CheckFailed ("after ReleaseModule, " + step + ": violation " + session.GetHost ().Violations ().front ().name + ": " +
                               session.GetHost ().Violations ().front ().detail);
    }
    session.Run (R"({"do":"unload","release":false})");
    session.RequireNoViolation ();
}

}   // namespace SimHost
