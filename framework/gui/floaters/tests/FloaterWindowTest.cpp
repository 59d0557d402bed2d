#include "framework/gui/floaters/FloaterWindow.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>

using namespace NSTramvell;

namespace {

class FloaterWindowTest : public testing::Test
{
protected:
    FloaterWindowTest()
    {
        if (GetWindowClassAtom(CABCWindow::kKindFloater) == 0)
            RegisterWindowClasses(::GetModuleHandleA(nullptr));
    }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

} // namespace

TEST_F(FloaterWindowTest, VariantsChooseTheStyleAndTheNewestDocumentOwnsTheFloater)
{
    auto older = std::make_unique<NSGuiTest::CTestWindow>();
    older->ShowWithBounds(CRect(20, 20, 220, 220));
    auto document = std::make_unique<NSGuiTest::CTestWindow>();
    document->ShowWithBounds(CRect(60, 60, 260, 260));

    const struct
    {
        std::uint32_t variant;
        std::uint32_t style;
    } kCases[] = {
        {0, 0x80C00000}, {1, 0x80CC0000}, {2, 0x80000000}, {3, 0x80C80000}, {4, 0x80CC0000},
        {0x80C40000, 0x80C40000},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.variant);
        EXPECT_EQ(CFloaterWindow::GetStyleForVariant(c.variant), c.style);
        CFloaterWindow floater(c.variant);
        const HWND handle = floater.GetWindowHandle();
        const auto style = static_cast<std::uint32_t>(GetWindowTable().GetWindowLongA(handle, GWL_STYLE));
        EXPECT_EQ(style & 0xFFFF0000 & ~static_cast<std::uint32_t>(WS_CLIPSIBLINGS), c.style);
        EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(handle, GWL_EXSTYLE)) & 0x80, 0x80u);
        EXPECT_EQ(GetWindowTable().GetWindow(handle, GW_OWNER), document->GetWindowHandle());
        char className[64] = "";
        ::GetClassNameA(handle, className, sizeof className);
        EXPECT_STREQ(className, "Tramvell Floater Window");
        EXPECT_EQ(floater.GetFrameBorderWidth(), GetWindowTable().GetSystemMetrics(7));
        EXPECT_EQ(floater.GetFrameBorderHeight(), GetWindowTable().GetSystemMetrics(8));
    }
    document.reset();
    CFloaterWindow floater(0);
    EXPECT_EQ(GetWindowTable().GetWindow(floater.GetWindowHandle(), GW_OWNER), older->GetWindowHandle());
}

TEST_F(FloaterWindowTest, AChildStyleIsRefused)
{
    EXPECT_THROW(CFloaterWindow(0x40000000), XBase);
    EXPECT_THROW(CFloaterWindow(0x50C00000), XBase);
    EXPECT_EQ(NSGuiTest::CTestWindow::sLiving, 0);
}

TEST_F(FloaterWindowTest, AWindowThePlatformRefusesIsOutOfMemory)
{
    CScopedTableEntry noWindow(GetWindowTable().CreateWindowExA,
                               [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                  LPVOID) -> HWND { return nullptr; });
    EXPECT_THROW(CFloaterWindow(0), XOutOfMemory);
}
