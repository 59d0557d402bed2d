#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {
HCURSOR gSetCursor = nullptr;
} // namespace

TEST(ViewResources, SplitCursorsLoadAndTheHelpTitleReads)
{
    NSGuiTest::CTestApplication application;
    EXPECT_EQ(GetString(410000015), "Help");

    CScopedTableEntry setCursor(GetWindowTable().SetCursor, [](HCURSOR cursor) {
        const HCURSOR previous = gSetCursor;
        gSetCursor = cursor;
        return previous;
    });
    const HINSTANCE instance = CABCCodeModule::GetCurrent()->GetInstanceHandle();
    const HCURSOR rows = GetWindowTable().LoadCursorA(instance, MAKEINTRESOURCEA(kHorizontalSplitCursor));
    const HCURSOR columns = GetWindowTable().LoadCursorA(instance, MAKEINTRESOURCEA(kVerticalSplitCursor));
    ASSERT_NE(rows, nullptr);
    ASSERT_NE(columns, nullptr);
    EXPECT_NE(rows, columns);
    SetHorizontalSplitCursor();
    EXPECT_EQ(gSetCursor, rows);
    SetVerticalSplitCursor();
    EXPECT_EQ(gSetCursor, columns);
}
