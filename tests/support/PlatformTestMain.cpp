// The test main of programs that reach the platform through the bound tables: the tables are bound before
// the first test, as the program entry binds them before anything of the framework runs.

#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    NSTramvell::BindPlatformTables();
    const int result = RUN_ALL_TESTS();
    NSTramvell::ReleasePlatformTables();
    return result;
}
