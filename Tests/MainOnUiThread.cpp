// The tests run on a thread with the host's UI-thread stack, as the host calls the add-on.
#include "SimHost/UiThread.hpp"

#include <gtest/gtest.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    return SimHost::RunOnUiThread ([] { return RUN_ALL_TESTS (); });
}
