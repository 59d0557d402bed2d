#include "framework/views/pages/TransparentStaticTextView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace NSTramvell;
using NSGuiTest::CClassWindow;
using NSGuiTest::CClientPixels;
using NSGuiTest::CColorView;

namespace {

const CFontSpec kFont("Tahoma", 13);
const CColor kRed(220, 20, 20);
const CColor kGreen(20, 200, 20);

bool IsGreen(const CColor& color)
{
    return color == kGreen;
}

// Every pixel of the rectangle meets the test.
bool AllPixels(const CClientPixels& pixels, const CRect& rect, const std::function<bool(const CColor&)>& test)
{
    for (int y = rect.GetTop(); y < rect.GetBottom(); ++y) {
        for (int x = rect.GetLeft(); x < rect.GetRight(); ++x) {
            if (!test(pixels.At(x, y)))
                return false;
        }
    }
    return true;
}

bool AnyPixel(const CClientPixels& pixels, const CRect& rect, const std::function<bool(const CColor&)>& test)
{
    return !AllPixels(pixels, rect, [&](const CColor& color) { return !test(color); });
}

bool IsInk(const CColor& color)
{
    return color.GetRed() < 100 && color.GetGreen() < 100 && color.GetBlue() < 100;
}

CRect PendingPaint(const CABCWindow& window)
{
    RECT pending{};
    if (!::GetUpdateRect(window.GetWindowHandle(), &pending, FALSE))
        return CRect();
    return CRect(pending.left, pending.top, pending.right, pending.bottom);
}

} // namespace

TEST(CTransparentStaticTextView, PaintsItsGlyphsAndNothingElseInsideItsFrame)
{
    NSGuiTest::CWatchdog watchdog;
    CClassWindow window;
    window.SetBackgroundColor(kGreen);
    const CRect underFrame(10, 10, 150, 40);
    CColorView under(window.GetRootView(), underFrame, kRed);
    CTransparentStaticTextView text(window.GetRootView(), "Hello", kFont, underFrame, 0);
    // Longer than their frames: cut at the right edge in one line, wrapped and cut at the bottom otherwise.
    const CRect oneLineFrame(10, 50, 60, 70);
    CTransparentStaticTextView oneLine(window.GetRootView(), "WWWWWWWWWWWWWWWWWWWW", kFont, oneLineFrame, 0);
    const CRect wrappedFrame(10, 80, 110, 120);
    CTransparentStaticTextView wrapped(window.GetRootView(),
                                       "Many words that cannot all fit on one line of this narrow frame", kFont,
                                       wrappedFrame, 1);
    NSGuiTest::ShowAndPaint(window, CRect(30, 30, 330, 230));
    const CClientPixels pixels(window);

    // Beside the glyphs the red beneath shows; the glyphs are black, or red and black blended at their edges.
    EXPECT_TRUE(AllPixels(pixels, underFrame, [](const CColor& color) {
        return color.GetGreen() <= kRed.GetGreen() && color.GetBlue() <= kRed.GetBlue();
    }));
    EXPECT_TRUE(AnyPixel(pixels, underFrame, IsInk));

    EXPECT_TRUE(AnyPixel(pixels, oneLineFrame, IsInk));
    EXPECT_TRUE(AllPixels(pixels, CRect(60, 45, 200, 75), IsGreen));

    const std::int32_t lineHeight = 16;
    EXPECT_TRUE(AnyPixel(pixels, CRect(10, 80 + lineHeight, 110, 120), IsInk)) << "no second line";
    EXPECT_TRUE(AllPixels(pixels, CRect(110, 78, 200, 125), IsGreen));
    EXPECT_TRUE(AllPixels(pixels, CRect(5, 120, 200, 140), IsGreen));
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("TransparentStaticText").empty());
}

TEST(CTransparentStaticTextView, ADisabledTextIsDrawnHalfwayToTheMixColour)
{
    NSGuiTest::CWatchdog watchdog;
    CClassWindow window;
    window.SetBackgroundColor(kGreen);
    const CRect frame(10, 10, 150, 40);
    CTransparentStaticTextView text(window.GetRootView(), "Hello", kFont, frame, 0);
    text.SetDisabledMixColor(kColorWhite);
    text.SetEnabled(false);
    NSGuiTest::ShowAndPaint(window, CRect(30, 30, 330, 230));
    const CClientPixels pixels(window);

    // Black halfway to white: 126 on every channel.
    EXPECT_TRUE(AnyPixel(pixels, frame, [](const CColor& color) { return color == CColor(126, 126, 126); }));
    EXPECT_FALSE(AnyPixel(pixels, frame, IsInk));
}

TEST(CTransparentStaticTextView, InvalidatesOnlyWhenSomethingChanges)
{
    NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CTestWindow window;
    window.ShowWithBounds(CRect(0, 0, 300, 200));
    const CRect frame(10, 10, 110, 30);
    CTransparentStaticTextView text(window.GetRootView(), "Same", kFont, frame, 0);
    const CFontSpec otherFont("Tahoma", 14);
    const struct
    {
        const char* what;
        std::function<void()> change;
        bool invalidates;
    } kSteps[] = {
        {"same text", [&] { text.SetText("Same"); }, false},
        {"text of the same length", [&] { text.SetText("Sane"); }, true},
        {"same font", [&] { text.SetFont(kFont); }, false},
        {"other font", [&] { text.SetFont(otherFont); }, true},
        {"same colour", [&] { text.SetTextColor(kColorBlack); }, false},
        {"other colour", [&] { text.SetTextColor(kRed); }, true},
        {"same mix colour", [&] { text.SetDisabledMixColor(kColorBlack); }, false},
        {"other mix colour", [&] { text.SetDisabledMixColor(kRed); }, true},
        // Red text mixed with red stays red: disabling shows no change.
        {"disabled, no visible change", [&] { text.SetEnabled(false); }, false},
        {"enabled, no visible change", [&] { text.SetEnabled(true); }, false},
        {"mix colour white", [&] { text.SetDisabledMixColor(kColorWhite); }, true},
        {"disabled", [&] { text.SetEnabled(false); }, true},
        {"moved", [&] { text.SetFrame(CRect(20, 40, 120, 60)); }, true},
    };
    for (const auto& step : kSteps) {
        SCOPED_TRACE(step.what);
        window.UpdateNow();
        ASSERT_TRUE(PendingPaint(window).IsEmpty());
        step.change();
        EXPECT_EQ(!PendingPaint(window).IsEmpty(), step.invalidates);
    }
    EXPECT_EQ(text.GetText(), "Sane");
    EXPECT_TRUE(text.GetFont() == otherFont);
    EXPECT_EQ(PendingPaint(window), CRect(10, 10, 120, 60));
}
