// The about window in the test program, which links the program's own resources: its strings, its
// artwork and its version block.

#include "app/about/AboutWindow.h"

#include "app/about/ApplicationStatics.h"
#include "app/preferences/PreferenceFile.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/gui/windows/tests/ClassWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

// The committed artwork: 24-bit, bottom-up, rows padded to four bytes, pixels from byte 54.
class CArtwork
{
public:
    explicit CArtwork(const std::string& relativePath)
    {
        std::ifstream file("Z:" + std::string(DRAVIM_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
        mBytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    bool IsRead() const { return mBytes.size() > 54; }
    std::int32_t Read32(std::size_t at) const
    {
        return static_cast<std::int32_t>(Byte(at) | Byte(at + 1) << 8 | Byte(at + 2) << 16 | Byte(at + 3) << 24);
    }
    CColor At(int x, int y) const
    {
        const int width = Read32(18);
        const int height = Read32(22);
        const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
        const std::size_t at = 54 + rowSize * static_cast<std::size_t>(height - 1 - y) + static_cast<std::size_t>(x) * 3;
        return CColor(static_cast<std::uint8_t>(Byte(at + 2)), static_cast<std::uint8_t>(Byte(at + 1)),
                      static_cast<std::uint8_t>(Byte(at)));
    }

private:
    std::uint32_t Byte(std::size_t at) const { return static_cast<std::uint8_t>(mBytes.at(at)); }

    std::string mBytes;
};

bool IsDark(const CColor& color)
{
    return color.GetRed() + color.GetGreen() + color.GetBlue() < 3 * 96;
}

class AboutWindowTest : public testing::Test
{
protected:
    AboutWindowTest()
    {
        if (GetWindowClassAtom(CABCWindow::kKindModalDialog) == 0)
            RegisterWindowClasses(::GetModuleHandleA(nullptr));
    }
    ~AboutWindowTest() override
    {
        if (CAboutWindow* window = GetAboutWindow())
            window->CloseNow();
    }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

} // namespace

TEST(ApplicationStatics, TheCreatorIsThePreferenceFilesAndTheTextTypeTakesTextFiles)
{
    EXPECT_EQ(NSDravimStatics::kCreatorCode, NSPreferenceFile::kCreator);
    const CFileTypeDescription& text = NSDravimStatics::kTextFileType;
    EXPECT_EQ(text.GetDescription(), "Text");
    EXPECT_EQ(text.GetMacFileType(), CMacFileTypeCode("TXT "));
    EXPECT_TRUE(text.Matches(CFileSpec("C:\\Discs\\INFO.TXT")));
    EXPECT_FALSE(text.Matches(CFileSpec("C:\\Discs\\Dravim Preferences.prf")));
}

TEST_F(AboutWindowTest, ShowsTheArtworkWithThisBuildsVersion)
{
    ShowAboutWindow();
    CAboutWindow* window = GetAboutWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), "About Dravim");
    EXPECT_EQ(window->GetVersionLine(), "Version: 1.0.1 (Build 140)");
    EXPECT_EQ(window->GetClientBounds(), CRect(0, 0, CAboutWindow::kWidth, CAboutWindow::kHeight));
    ::InvalidateRect(window->GetWindowHandle(), nullptr, FALSE);
    ::UpdateWindow(window->GetWindowHandle());

    const CArtwork artwork("app/resources/art/about.bmp");
    ASSERT_TRUE(artwork.IsRead());
    ASSERT_EQ(artwork.Read32(18), CAboutWindow::kWidth);
    ASSERT_EQ(artwork.Read32(22), CAboutWindow::kHeight);
    const NSGuiTest::CClientPixels pixels(*window);
    const CRect versionLine = CAboutWindow::GetVersionLineFrame();
    int differing = 0;
    int darkInVersionLine = 0;
    // The rows that show the "DRAVIM" lettering's colour.
    const CColor lettering(240, 200, 80);
    int letteringTop = CAboutWindow::kHeight;
    int letteringBottom = 0;
    for (int y = 0; y < CAboutWindow::kHeight; ++y) {
        for (int x = 0; x < CAboutWindow::kWidth; ++x) {
            if (pixels.At(x, y) == lettering) {
                letteringTop = std::min(letteringTop, y);
                letteringBottom = std::max(letteringBottom, y + 1);
            }
            if (versionLine.ContainsXY(x, y))
                darkInVersionLine += IsDark(pixels.At(x, y)) ? 1 : 0;
            else if (!(pixels.At(x, y) == artwork.At(x, y)))
                ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
    // The artwork keeps the line's area plain and light: the dark pixels there are the text's, at least one
    // for each character that has ink, whichever face draws it.
    const std::string line = window->GetVersionLine();
    EXPECT_GT(darkInVersionLine, std::count_if(line.begin(), line.end(), [](char c) { return c != ' '; }));
    // The lettering shows whole (seven rows of four pixels) and clear of the version line.
    EXPECT_EQ(letteringBottom - letteringTop, 28);
    EXPECT_LT(letteringBottom, versionLine.GetTop());
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("AboutWindow").empty());
}

TEST_F(AboutWindowTest, ASecondCommandBringsTheOneWindowToTheFront)
{
    ShowAboutWindow();
    CAboutWindow* first = GetAboutWindow();
    ASSERT_NE(first, nullptr);
    auto* other = new CModelessDialog(0, "Other", CRect());
    other->ShowWithBounds(CRect(20, 20, 420, 320));
    ::SetForegroundWindow(other->GetWindowHandle());
    ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return ::GetActiveWindow() == other->GetWindowHandle(); }, 10000));

    ShowAboutWindow();
    EXPECT_EQ(GetAboutWindow(), first);
    EXPECT_EQ(::GetActiveWindow(), first->GetWindowHandle());
    other->CloseNow();
}

TEST_F(AboutWindowTest, ClosingTheWindowLetsTheNextCommandMakeANewOne)
{
    ShowAboutWindow();
    ASSERT_NE(GetAboutWindow(), nullptr);
    ::PostMessageA(GetAboutWindow()->GetWindowHandle(), WM_CLOSE, 0, 0);
    const bool closed = NSGuiTest::WaitUntil(
        [&] {
            mApplication.ProcessPendingEvents();
            UpdateFlaggedWindows();
            return GetAboutWindow() == nullptr;
        },
        20000);
    ASSERT_TRUE(closed);
    EXPECT_EQ(::FindWindowA(nullptr, "About Dravim"), nullptr);
    ShowAboutWindow();
    EXPECT_NE(GetAboutWindow(), nullptr);
}

TEST_F(AboutWindowTest, AFailureWhileShowingLeavesNoWindowBehind)
{
    {
        CScopedTableEntry<decltype(CWindowTable::MoveWindow)> failing(
            GetWindowTable().MoveWindow, [](HWND, int, int, int, int, BOOL) -> BOOL { throw XBase(); });
        EXPECT_THROW(ShowAboutWindow(), XBase);
    }
    EXPECT_EQ(GetAboutWindow(), nullptr);
    EXPECT_EQ(::FindWindowA(nullptr, "About Dravim"), nullptr);
    ShowAboutWindow();
    ASSERT_NE(GetAboutWindow(), nullptr);
    EXPECT_TRUE(GetAboutWindow()->IsNativeStateSet());
}
