// Group boxes, foldable groups and fold buttons in real windows, drawn on test canvases or read back
// from the screen.

#include "framework/views/groups/FoldButtonView.h"
#include "framework/views/groups/FoldableGroupView.h"
#include "framework/views/groups/GroupBoxView.h"
#include "framework/views/groups/HelpButtonView.h"
#include "framework/views/groups/IconButtonView.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace NSTramvell;
using NSGuiTest::CClassWindow;
using NSGuiTest::CClientPixels;
using NSTramvellTest::CBitmapTestCanvas;

namespace {

const CRect kBounds(30, 30, 330, 250);
const CColor kBackground(90, 160, 210);

struct CEdgeCall
{
    CRect rect;
    UINT style;
    UINT sides;
};
std::vector<CEdgeCall> gEdges;

struct CTextCall
{
    int x;
    int y;
    CColor color;
};
std::vector<CTextCall> gTexts;

// Records the platform edges and the text runs (with the colour they were drawn in) and still draws them.
class CRecordedDrawing
{
public:
    CRecordedDrawing()
    {
        gEdges.clear();
        gTexts.clear();
    }

private:
    CScopedTableEntry<decltype(CWindowTable::DrawEdge)> mEdge{
        GetWindowTable().DrawEdge, [](HDC context, LPRECT rect, UINT style, UINT sides) -> BOOL {
            gEdges.push_back({CRect(rect->left, rect->top, rect->right, rect->bottom), style, sides});
            return ::DrawEdge(context, rect, style, sides);
        }};
    CScopedTableEntry<decltype(CWindowTable::TextOutA)> mTextOut{
        GetWindowTable().TextOutA, [](HDC context, int x, int y, LPCSTR text, int length) -> BOOL {
            gTexts.push_back({x, y, CColor::FromNative(::GetTextColor(context))});
            return ::TextOutA(context, x, y, text, length);
        }};
};

std::int32_t ControlFontHeight()
{
    CBitmapTestCanvas canvas(4, 4);
    return canvas.GetFontHeight(GetControlFontSpec());
}

std::int32_t ControlFontAscent()
{
    CBitmapTestCanvas canvas(4, 4);
    return canvas.GetFontAscent(GetControlFontSpec());
}

// Counts what reaches the window's invalidation.
int gInvalidations = 0;
class CCountedInvalidation
{
public:
    CCountedInvalidation() { gInvalidations = 0; }

private:
    CScopedTableEntry<decltype(CWindowTable::InvalidateRect)> mRect{GetWindowTable().InvalidateRect,
                                                                     [](HWND, const RECT*, BOOL) -> BOOL {
                                                                         ++gInvalidations;
                                                                         return TRUE;
                                                                     }};
    CScopedTableEntry<decltype(CWindowTable::InvalidateRgn)> mRegion{GetWindowTable().InvalidateRgn,
                                                                      [](HWND, HRGN, BOOL) -> BOOL {
                                                                          ++gInvalidations;
                                                                          return TRUE;
                                                                      }};
};

// Reads the click of the fold button inside the change notification, as an owner does.
class CFoldOwner : public CStandardGroupView
{
public:
    CFoldOwner(CABCGroupView* parent, const CRect& frame) : CStandardGroupView(parent, frame) {}
    std::int32_t ChildChanged() override
    {
        if (mButton != nullptr && mButton->WasClicked())
            ++mClicks;
        return 0;
    }
    CFoldButtonView* mButton = nullptr;
    int mClicks = 0;
};

class CTestFoldableGroup : public CFoldableGroupView
{
public:
    using CFoldableGroupView::CFoldableGroupView;
    void SetFoldedLayout() override {}
};

} // namespace

TEST(CGroupBoxView, EdgeStyleFollowsTheKindAndTheTitleInterruptsIt)
{
    NSGuiTest::CWatchdog watchdog;
    const std::int32_t h = ControlFontHeight();
    const struct {
        std::int32_t kind;
        UINT style;
    } kCases[] = {{14, 6}, {0, 2}, {13, 2}, {15, 2}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.kind);
        CClassWindow window;
        window.SetBackgroundColor(kBackground);
        CGroupBoxView box(window.GetRootView(), "Mm", c.kind, CRect(20, 30, 220, 150));
        const CRecordedDrawing recorded;
        NSGuiTest::ShowAndPaint(window, kBounds);
        ASSERT_EQ(gEdges.size(), 1u);
        EXPECT_EQ(gEdges[0].rect, CRect(20, 30 + h / 2 + 1, 220, 150));
        EXPECT_EQ(gEdges[0].style, c.style);
        EXPECT_EQ(gEdges[0].sides, 15u);
        ASSERT_EQ(gTexts.size(), 1u);
        EXPECT_EQ(gTexts[0].x, 29);
        EXPECT_EQ(gTexts[0].y, 30 + h - 1 - ControlFontAscent());
        EXPECT_EQ(gTexts[0].color, kColorBlack);
        // The edge's top line shows left of the title and beyond it; in the gap, the background.
        const CClientPixels pixels(window);
        const std::int32_t edgeTop = 30 + h / 2 + 1;
        EXPECT_NE(pixels.At(23, edgeTop), kBackground);
        EXPECT_EQ(pixels.At(28, edgeTop), kBackground);
        EXPECT_NE(pixels.At(200, edgeTop), kBackground);
    }
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("GroupBox").empty());
}

TEST(CGroupBoxView, TakesTitleAndFrameFromATemplateItem)
{
    NSGuiTest::CTestWindow window;
    const CDialogTemplate layout(CPoint(300, 200), "Layout",
                                 {CDialogItem(7, kDialogItemGroupBox, CRect(10, 20, 110, 80), "Options")});
    const CGroupBoxView::CDescription description = CGroupBoxView::MakeDescription(layout, 7, 14);
    EXPECT_EQ(description.GetTitle(), "Options");
    EXPECT_EQ(description.GetFrame(), CRect(10, 20, 110, 80));
    EXPECT_EQ(description.GetKind(), 14);
    EXPECT_THROW(CGroupBoxView::MakeDescription(layout, 8, 14), XNotFound);

    CGroupBoxView fromItem(window.GetRootView(), layout.FindItem(7), 2);
    EXPECT_EQ(fromItem.GetTitle(), "Options");
    EXPECT_EQ(*fromItem.GetFrame(), CRect(10, 20, 110, 80));
    EXPECT_EQ(fromItem.GetKind(), 2);
}

TEST(CGroupBoxView, ADisabledTitleIsDrawnTwiceRaisedThenSunk)
{
    NSGuiTest::CWatchdog watchdog;
    const std::int32_t h = ControlFontHeight();
    const std::int32_t ascent = ControlFontAscent();
    CClassWindow window;
    CGroupBoxView box(window.GetRootView(), "Title", 0, CRect(10, 10, 200, 120));
    box.SetEnabled(false);
    const CRecordedDrawing recorded;
    NSGuiTest::ShowAndPaint(window, kBounds);
    ASSERT_EQ(gTexts.size(), 2u);
    EXPECT_EQ(gTexts[0].x, 20);
    EXPECT_EQ(gTexts[0].y, 10 + h - ascent);
    EXPECT_EQ(gTexts[0].color, GetSystemHighlightColor());
    EXPECT_EQ(gTexts[1].x, 19);
    EXPECT_EQ(gTexts[1].y, 10 + h - 1 - ascent);
    EXPECT_EQ(gTexts[1].color, GetSystemShadowColor());
}

TEST(CGroupBoxView, ContentLiesBelowTheMeasuredTitle)
{
    NSGuiTest::CTestWindow window;
    window.ShowWithBounds(kBounds);
    const std::int32_t h = ControlFontHeight();
    CGroupBoxView box(window.GetRootView(), CGroupBoxView::CDescription("Any", 3, CRect(10, 20, 110, 220)));
    EXPECT_EQ(box.GetContentRect(), CRect(14, 20 + h + 2, 106, 216));
    EXPECT_EQ(box.GetKind(), 3);

    const CCountedInvalidation counted;
    box.SetTitle("Any");
    EXPECT_EQ(gInvalidations, 0);
    box.SetTitle("Other");
    EXPECT_GT(gInvalidations, 0);
}

TEST(CFoldButtonView, DrawsABoxWithMinusOrPlus)
{
    NSGuiTest::CTestWindow window;
    CFoldButtonView button(window.GetRootView(), CRect(0, 0, 16, 16));   // box 4 .. 12
    const struct {
        bool enabled;
        bool folded;
        CColor inside;
        CColor sign;
    } kCases[] = {{true, true, kColorWhite, kColorBlack},
                  {true, false, kColorWhite, kColorBlack},
                  {false, true, kColorGray204, kColorGray119}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.enabled << c.folded);
        button.SetEnabled(c.enabled);
        c.folded ? button.Fold() : button.Unfold();
        CBitmapTestCanvas canvas(20, 20, kColorGreen);
        CPrimitiveOffscreenDrawSpec spec(&canvas);
        button.Draw(spec);
        EXPECT_EQ(canvas.RowsInColumn(4, kColorGray119), NSTramvellTest::Range(4, 12));
        EXPECT_EQ(canvas.RowsInColumn(12, kColorGray119), NSTramvellTest::Range(4, 12));
        EXPECT_EQ(canvas.PixelAt(8, 4), kColorGray119);
        EXPECT_EQ(canvas.PixelAt(8, 12), kColorGray119);
        EXPECT_EQ(canvas.PixelAt(3, 3), kColorGreen);
        EXPECT_EQ(canvas.PixelAt(5, 5), c.inside);
        EXPECT_EQ(canvas.PixelAt(11, 11), c.inside);
        EXPECT_EQ(canvas.PixelAt(5, 8), c.inside);   // the minus, from L + 2 to R - 2
        EXPECT_EQ(canvas.PixelAt(6, 8), c.sign);
        EXPECT_EQ(canvas.PixelAt(10, 8), c.sign);
        EXPECT_EQ(canvas.PixelAt(11, 8), c.inside);
        EXPECT_EQ(canvas.PixelAt(8, 6) == c.sign, c.folded);                       // the plus's upright
        EXPECT_EQ(canvas.PixelAt(8, 10) == c.sign, c.folded);
    }
}

TEST(CFoldButtonView, AClickInTheBoxNotifiesOnceAndChangesNothing)
{
    NSGuiTest::CTestWindow window;
    window.ShowWithBounds(kBounds);
    CFoldOwner owner(window.GetRootView(), CRect(0, 0, 100, 100));
    CFoldButtonView button(&owner, CRect(20, 20, 36, 36));
    owner.mButton = &button;

    const auto press = [&](std::int32_t x, std::int32_t y) {
        return button.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, CPoint(x, y), 0, CModifierKeys(), false))
            .GetValue();
    };
    EXPECT_EQ(press(21, 21), CMouseDownResult::kNotHandled);   // in the frame, outside the box
    EXPECT_EQ(owner.mClicks, 0);
    EXPECT_EQ(press(28, 28), CMouseDownResult::kHandled);
    EXPECT_EQ(owner.mClicks, 1);
    EXPECT_TRUE(button.IsFolded());
    EXPECT_FALSE(button.WasClicked());   // outside the notification

    const CCountedInvalidation counted;
    button.Fold();
    EXPECT_EQ(gInvalidations, 0);
    button.Unfold();
    const int afterUnfold = gInvalidations;
    EXPECT_GT(afterUnfold, 0);
    button.Unfold();
    EXPECT_EQ(gInvalidations, afterUnfold);
}

TEST(CFoldableGroupView, DrawsItsChildrenOnlyInsideItsFrame)
{
    NSGuiTest::CWatchdog watchdog;
    CClassWindow window;
    window.SetBackgroundColor(kBackground);
    CTestFoldableGroup group(window.GetRootView());
    group.SetFrame(CRect(20, 20, 60, 60));
    NSGuiTest::CColorView wide(&group, CRect(0, 0, 100, 100), kColorGreen);
    EXPECT_TRUE(group.IsFolded());
    group.Unfold();
    EXPECT_FALSE(group.IsFolded());
    NSGuiTest::ShowAndPaint(window, kBounds);
    const CClientPixels pixels(window);
    EXPECT_EQ(pixels.At(20, 20), kColorGreen);
    EXPECT_EQ(pixels.At(59, 59), kColorGreen);
    EXPECT_EQ(pixels.At(10, 10), kBackground);
    EXPECT_EQ(pixels.At(80, 40), kBackground);
}

TEST(CHelpButtonView, APlainButtonTitledFromTheCommonStrings)
{
    NSGuiTest::CTestApplication application;
    NSGuiTest::CClassWindow window;
    CHelpButtonView help(window.GetRootView());
    EXPECT_EQ(help.GetTitle(), "Help");
    EXPECT_EQ(*help.GetFrame(), CRect(-100, -26, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(help.GetNativeHandle(), GWL_STYLE)), 0x50000000u);

    // Never the default button, whatever the description asks.
    CHelpButtonView described(window.GetRootView(),
                              CPushButtonView::CDescription{"Aid", CRect(10, 10, 90, 36), CPushButtonView::kDefaultButton});
    EXPECT_EQ(described.GetTitle(), "Aid");
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(described.GetNativeHandle(), GWL_STYLE)) & 0xF, 0u);
}

namespace {

POINT gIconMouse{};

// Counts the clicks its icon button notifies.
class CClickCounter : public CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        mClicks += mButton->WasClicked() ? 1 : 0;
        return 0;
    }
    CIconButtonView* mButton = nullptr;
    int mClicks = 0;
};

} // namespace

TEST(CIconButtonView, ClicksWhenPressedAndReleasedOnItsIcon)
{
    NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CClassWindow window;
    window.ShowWithBounds(CRect(40, 40, 300, 200));
    static HWND handle = window.GetWindowHandle();
    CScopedTableEntry mouse(GetWindowTable().GetCursorPos, [](LPPOINT point) -> BOOL {
        *point = gIconMouse;
        return ::ClientToScreen(handle, point);
    });
    CClickCounter owner(window.GetRootView(), CRect(0, 0, 200, 150));
    CIconButtonView button(&owner);
    owner.mButton = &button;
    EXPECT_EQ(*button.GetFrame(), CRect(-100, -100, 0, 0));
    button.SetFrame(CRect(20, 20, 52, 52));

    const auto press = [&](int x, int y) {
        return button.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, CPoint(x, y), 0, CModifierKeys(), false));
    };
    const struct {
        POINT release;
        int clicks;
    } kCases[] = {{{30, 30}, 1}, {{100, 100}, 0}, {{51, 21}, 1}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.release.x);
        owner.mClicks = 0;
        gIconMouse = POINT{30, 30};
        ASSERT_EQ(press(30, 30).GetValue(), CMouseDownResult::kHandled);
        EXPECT_TRUE(button.IsPressed());
        gIconMouse = c.release;
        TickTrackedViews();
        button.HandleMouseUp(CView::kMouseUpReleased);
        EXPECT_EQ(owner.mClicks, c.clicks);
        EXPECT_FALSE(button.IsPressed());
        EXPECT_EQ(GetTrackingView(), nullptr);
    }
    EXPECT_EQ(press(60, 30).GetValue(), CMouseDownResult::kNotHandled);
    EXPECT_EQ(GetTrackingView(), nullptr);
    EXPECT_FALSE(button.WasClicked());
}
