// Built into two test programs: one carries the common-controls 6 manifest (as the program does), the
// other none. Wine's side-by-side common controls state file version 5.81; the assembly's version counts.

#include "framework/foundation/modules/DLLOperations.h"

#include <gtest/gtest.h>

#ifndef DRAVIM_COMMON_CONTROLS_6_MANIFEST
#error "Say whether the program carries the common-controls 6 manifest"
#endif

using namespace NSTramvell;

TEST(DLLCommonControls, VersionSixOnlyWithTheManifest)
{
    EXPECT_EQ(NSDLLOperations::IsDLLVersionAtLeast("comctl32.dll", 6, 0), DRAVIM_COMMON_CONTROLS_6_MANIFEST != 0);
    EXPECT_TRUE(NSDLLOperations::IsDLLVersionAtLeast("comctl32.dll", 4, 71));
    EXPECT_FALSE(NSDLLOperations::IsDLLVersionAtLeast("comctl32.dll", 99, 0));
}
