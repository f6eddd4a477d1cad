// The add-on's heap is the host's: the memory query counts every block the add-on holds, its
// own strings included, and none is left once the host has unloaded it.
#include "HostFixture.hpp"

using namespace VirelTests;

namespace {

class AddOnHeapTest : public HostTest {
protected:
    nlohmann::json Memory () { return RunLines (R"({"do":"memory"})").at (0)["memory"]; }
};

TEST_P (AddOnHeapTest, TheHostCountsTheAddOnsBlocksUntilItIsUnloaded)
{
#ifdef VIREL_SHARED_RUNTIME
    GTEST_SKIP () << "with the shared C++ runtime (sanitizers, libc++) the add-on keeps the runtime's own heap";
#endif
    const nlohmann::json before = Memory ();
    Run (R"({"do":"load"})");
    // the module's own path, an ordinary string, is held from load to unload
    const nlohmann::json loaded = Memory ();
    EXPECT_GE (loaded["blocks"].get<int> (), before["blocks"].get<int> () + 1);
    EXPECT_GT (loaded["bytes"].get<std::size_t> (), before["bytes"].get<std::size_t> () + AddOnPath (Api ()).size ());
    Run (R"({"do":"menu","list":32500,"item":1}
{"do":"call","fn":"createMaterials","arg":"[{\"name\":\"A name longer than any short string\",\"color\":{\"red\":1,\"green\":2,\"blue\":3},\"path\":\"Surfaces/Virel/Whites\",\"product\":{\"ambient\":0,\"diffuse\":0,\"shine\":0,\"specular\":0}}]"})");
    EXPECT_GT (Memory ()["blocks"].get<int> (), loaded["blocks"].get<int> ());
    Run (R"({"do":"hostEvent","code":64}
{"do":"unload"})");
    EXPECT_EQ (Memory (), before);
}

}   // namespace

VIREL_ON_BOTH_BUILDS (AddOnHeapTest);
