// Scroll views and separator lines in real windows.

#include "framework/views/scrolling/ScrollView.h"
#include "framework/views/scrolling/ScrollView2.h"
#include "framework/views/scrolling/SeparatorLineView.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Palette.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/views/scrollbars/ScrollBarRange.h"

#include <gtest/gtest.h>

#include <vector>

using namespace NSTramvell;
using NSGuiTest::CClassWindow;
using NSGuiTest::CClientPixels;
using NSGuiTest::CColorView;

namespace {

const CRect kBounds(30, 30, 330, 250);
const CColor kBackground(90, 160, 210);
const CColor kBand(200, 40, 40);

int gScrolls = 0;
std::vector<CRect> gInvalidated;

// Counts the platform scrolls (still performed) and records the rectangles invalidated.
class CRecordedScrolling
{
public:
    CRecordedScrolling()
    {
        gScrolls = 0;
        gInvalidated.clear();
    }

private:
    CScopedTableEntry<decltype(CWindowTable::ScrollWindowEx)> mScroll{
        GetWindowTable().ScrollWindowEx,
        [](HWND window, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN region, LPRECT update,
           UINT flags) -> int {
            ++gScrolls;
            return ::ScrollWindowEx(window, dx, dy, scroll, clip, region, update, flags);
        }};
    CScopedTableEntry<decltype(CWindowTable::InvalidateRect)> mRect{
        GetWindowTable().InvalidateRect, [](HWND window, const RECT* rect, BOOL erase) -> BOOL {
            gInvalidated.push_back(rect != nullptr ? CRect(rect->left, rect->top, rect->right, rect->bottom) : CRect());
            return ::InvalidateRect(window, rect, erase);
        }};
};

// A native button that its view carries along when the view moves, as native-control views do.
class CNativeButtonView : public CView
{
public:
    CNativeButtonView(CABCGroupView* parent, const CRect& frame) : CView(parent, frame)
    {
        mButton = ::CreateWindowExA(0, "BUTTON", "B", WS_CHILD | WS_VISIBLE, frame.GetLeft(), frame.GetTop(),
                                    frame.GetWidth(), frame.GetHeight(), GetWindow()->GetWindowHandle(), nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    }
    ~CNativeButtonView() override { ::DestroyWindow(mButton); }
    void EnabledChanged(bool) override {}
    void FrameChanged(const CRect&, const CRect&) override {}
    void MoveBy(std::int32_t dx, std::int32_t dy) override
    {
        CView::MoveBy(dx, dy);
        const CRect& frame = *GetFrame();
        ::MoveWindow(mButton, frame.GetLeft(), frame.GetTop(), frame.GetWidth(), frame.GetHeight(), FALSE);
    }
    CRect GetNativeFrame() const
    {
        RECT bounds{};
        ::GetWindowRect(mButton, &bounds);
        POINT corner{bounds.left, bounds.top};
        ::ScreenToClient(GetWindow()->GetWindowHandle(), &corner);
        return CRect(corner.x, corner.y, corner.x + bounds.right - bounds.left, corner.y + bounds.bottom - bounds.top);
    }

private:
    HWND mButton = nullptr;
};

class ScrollViewTest : public testing::Test
{
protected:
    ScrollViewTest()
    {
        mWindow.SetBackgroundColor(kBackground);
        mView.SetScrollState(CScrollState(kFrame, 0, 0, 200, 400));
        NSGuiTest::ShowAndPaint(mWindow, kBounds);
    }

    static constexpr CRect kFrame{10, 10, 210, 160};
    NSGuiTest::CWatchdog mWatchdog;
    CClassWindow mWindow;
    CScrollView mView{mWindow.GetRootView()};
    CColorView mBand{&mView, CRect(10, 100, 210, 110), kBand};
    CNativeButtonView mButton{&mView, CRect(150, 120, 190, 140)};
};

} // namespace

TEST_F(ScrollViewTest, AnUnchangedStateDoesNothing)
{
    const CRecordedScrolling recorded;
    mView.SetScrollState(CScrollState(kFrame, 0, 0, 200, 400));
    EXPECT_EQ(gScrolls, 0);
    EXPECT_TRUE(gInvalidated.empty());
    EXPECT_EQ(*mBand.GetFrame(), CRect(10, 100, 210, 110));
}

TEST_F(ScrollViewTest, FastScrollMovesThePaintedPixelsAndRepaintsOnlyTheStrip)
{
    {
        const CRecordedScrolling recorded;
        mView.SetScrollState(CScrollState(kFrame, 0, 20, 200, 400));
        EXPECT_EQ(gScrolls, 1);
        EXPECT_TRUE(gInvalidated.empty());
    }
    EXPECT_EQ(*mBand.GetFrame(), CRect(10, 80, 210, 90));
    EXPECT_EQ(mButton.GetNativeFrame(), CRect(150, 100, 190, 120));
    EXPECT_EQ(mView.GetContentRect(), CRect(10, -10, 210, 160));
    EXPECT_EQ(mView.GetContentFrame(), CRect(10, -10, 210, 390));

    // Before any repaint: the band already shows 20 pixels higher, and only the bottom strip waits.
    HRGN update = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(mWindow.GetWindowHandle(), update, FALSE);
    RECT box{};
    ::GetRgnBox(update, &box);
    ::DeleteObject(update);
    EXPECT_EQ(CRect(box.left, box.top, box.right, box.bottom), CRect(10, 140, 210, 160));
    const CClientPixels pixels(mWindow);
    EXPECT_EQ(pixels.At(50, 80), kBand);
    EXPECT_EQ(pixels.At(50, 89), kBand);
    EXPECT_EQ(pixels.At(50, 95), kBackground);
    EXPECT_EQ(pixels.At(50, 105), kBackground);
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("ScrollView").empty());
}

TEST_F(ScrollViewTest, AChangedFrameOrSlowScrollRepaintsTheWholeView)
{
    {
        const CRecordedScrolling recorded;
        mView.DisableFastScroll();
        mView.SetScrollState(CScrollState(kFrame, 0, 30, 200, 400));
        EXPECT_EQ(gScrolls, 0);
        EXPECT_EQ(gInvalidated, std::vector<CRect>{kFrame});
        EXPECT_EQ(*mBand.GetFrame(), CRect(10, 70, 210, 80));
    }
    {
        const CRecordedScrolling recorded;
        mView.EnableFastScroll();
        const CRect moved(10, 10, 210, 170);
        mView.SetScrollState(CScrollState(moved, 0, 40, 200, 400));
        EXPECT_EQ(gScrolls, 0);
        EXPECT_FALSE(gInvalidated.empty());
        EXPECT_EQ(gInvalidated.back(), moved);
        EXPECT_EQ(*mView.GetFrame(), moved);
        EXPECT_EQ(*mBand.GetFrame(), CRect(10, 60, 210, 70));
    }
    const CRecordedScrolling recorded;
    CScrollBarRange range(5, 405);
    range.SetVisible(15, 215);
    mView.ScrollHorizontallyTo(range);
    EXPECT_EQ(gScrolls, 1);
    EXPECT_EQ(mView.GetScrollState(), CScrollState(CRect(10, 10, 210, 170), 15, 40, 200, 400));
    EXPECT_EQ(*mBand.GetFrame(), CRect(-5, 60, 195, 70));
}

namespace {

const CColor kFace(230, 220, 120);
const CColor kBlock(30, 120, 40);

// The offscreen scroll view with two children, in a shown window.
class ScrollView2Test : public testing::Test
{
protected:
    ScrollView2Test()
    {
        mWindow.SetBackgroundColor(kBackground);
        mView.SetBackgroundColor(kFace);
        mView.SetScrollState(CScrollState(kFrame, 0, 0, 200, 400));
        NSGuiTest::ShowAndPaint(mWindow, kBounds);
    }

    void Repaint()
    {
        ::InvalidateRect(mWindow.GetWindowHandle(), nullptr, FALSE);
        ::UpdateWindow(mWindow.GetWindowHandle());
    }
    // The column x of the view's frame, and a row just outside it.
    std::vector<CColor> Column(int x) const
    {
        const CClientPixels pixels(mWindow);
        std::vector<CColor> colors;
        for (int y = kFrame.GetTop() - 1; y <= kFrame.GetBottom(); ++y)
            colors.push_back(pixels.At(x, y));
        return colors;
    }

    static constexpr CRect kFrame{10, 10, 210, 160};
    NSGuiTest::CWatchdog mWatchdog;
    CClassWindow mWindow;
    CScrollView2 mView{mWindow.GetRootView()};
    CColorView mBand{&mView, CRect(10, 100, 210, 110), kBand};
    CColorView mBlock{&mView, CRect(40, 150, 80, 200), kBlock};   // partly below the frame
};

} // namespace

TEST_F(ScrollView2Test, DrawsThroughItsBitmapWhatItWouldDrawDirectly)
{
    const std::vector<CColor> direct = Column(50);
    EXPECT_EQ(direct[1], kFace);
    EXPECT_EQ(direct[100 - 9], kBand);
    EXPECT_EQ(direct[155 - 9], kBlock);
    EXPECT_EQ(direct.back(), kBackground);   // the block is cut at the frame

    mView.PrepareOffscreen(GetScreenPalette());
    ASSERT_TRUE(mView.HasOffscreenBitmap());
    Repaint();
    EXPECT_EQ(Column(50), direct);

    // Scrolled, the bitmap's pixels move and the uncovered strip shows the rest of the block.
    mView.SetScrollState(CScrollState(kFrame, 0, 20, 200, 400));
    EXPECT_EQ(*mBand.GetFrame(), CRect(10, 80, 210, 90));
    ::UpdateWindow(mWindow.GetWindowHandle());
    const std::vector<CColor> scrolled = Column(50);
    EXPECT_EQ(scrolled[80 - 9], kBand);
    EXPECT_EQ(scrolled[89 - 9], kBand);
    EXPECT_EQ(scrolled[95 - 9], kFace);
    EXPECT_EQ(scrolled[105 - 9], kFace);
    EXPECT_EQ(scrolled[159 - 9], kBlock);
    EXPECT_EQ(scrolled[129 - 9], kFace);
    EXPECT_EQ(scrolled[130 - 9], kBlock);

    // A new frame gets a bitmap of its size and is drawn whole.
    mView.SetScrollState(CScrollState(CRect(10, 10, 110, 100), 0, 20, 200, 400));
    ASSERT_TRUE(mView.HasOffscreenBitmap());
    Repaint();
    const CClientPixels pixels(mWindow);
    EXPECT_EQ(pixels.At(50, 85), kBand);
    EXPECT_EQ(pixels.At(50, 95), kFace);
    EXPECT_EQ(pixels.At(150, 85), kBackground);
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("ScrollView2").empty());
}

TEST_F(ScrollView2Test, WithoutABitmapItDrawsDirectly)
{
    {
        CScopedTableEntry noBitmaps(GetWindowTable().CreateDIBSection,
                                    [](HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD) -> HBITMAP {
                                        return nullptr;
                                    });
        mView.PrepareOffscreen(GetScreenPalette());
    }
    EXPECT_TRUE(mView.IsOffscreenPrepared());
    EXPECT_FALSE(mView.HasOffscreenBitmap());
    mView.SetScrollState(CScrollState(kFrame, 0, 20, 200, 400));
    Repaint();
    const CClientPixels pixels(mWindow);
    EXPECT_EQ(pixels.At(50, 85), kBand);
    EXPECT_EQ(pixels.At(50, 95), kFace);
    EXPECT_EQ(pixels.At(50, 135), kBlock);

    // Prepared once: a later call makes no bitmap either.
    mView.PrepareOffscreen(GetScreenPalette());
    EXPECT_FALSE(mView.HasOffscreenBitmap());
}

TEST(CSeparatorLineView, KindFromShapeAndTwoPixelFrames)
{
    NSGuiTest::CTestWindow window;
    const struct {
        CRect layout;
        std::int32_t kind;
        CRect frame;
    } kCases[] = {{CRect(10, 10, 20, 100), CSeparatorLineView::kVertical, CRect(10, 10, 12, 100)},
                  {CRect(10, 10, 200, 20), CSeparatorLineView::kHorizontal, CRect(10, 10, 200, 12)},
                  {CRect(0, 0, 30, 30), CSeparatorLineView::kHorizontal, CRect(0, 0, 30, 2)}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.kind);
        const CSeparatorLineView::CDescription description = CSeparatorLineView::MakeLineDescription(c.layout);
        EXPECT_EQ(description.kind, c.kind);
        EXPECT_EQ(description.frame, c.frame);
        CSeparatorLineView fromShape(window.GetRootView(), c.layout);
        EXPECT_EQ(fromShape.GetKind(), c.kind);
        CSeparatorLineView fromDescription(window.GetRootView(), description);
        EXPECT_EQ(*fromDescription.GetFrame(), c.frame);
    }
}

TEST(CSeparatorLineView, DescriptionsCutTemplateItemsToTwoPixels)
{
    const CDialogTemplate layout(CPoint(300, 200), "Layout",
                                 {CDialogItem(7, kDialogItemFrame, CRect(150, 10, 154, 120), ""),
                                  CDialogItem(8, kDialogItemFrame, CRect(10, 90, 200, 96), "")});
    const CSeparatorLineView::CDescription upright = CSeparatorLineView::MakeDescription(layout, 7, 33);
    EXPECT_EQ(upright.frame, CRect(150, 10, 152, 120));
    EXPECT_EQ(upright.kind, 33);   // the kind given, not the shape's
    EXPECT_EQ(CSeparatorLineView::MakeDescription(layout, 8, CSeparatorLineView::kHorizontal).frame,
              CRect(10, 90, 200, 92));
    EXPECT_THROW(CSeparatorLineView::MakeDescription(layout, 9, CSeparatorLineView::kVertical), XNotFound);
}

TEST(CSeparatorLineView, DrawsAnEtchedGrooveOnTheBackground)
{
    NSGuiTest::CTestWindow window;
    window.SetBackgroundColor(kBackground);
    CSeparatorLineView vertical(window.GetRootView(), CRect(10, 5, 12, 45));
    CSeparatorLineView horizontal(window.GetRootView(), CRect(20, 10, 60, 12));
    NSTramvellTest::CBitmapTestCanvas canvas(70, 50, kBand);
    CPrimitiveOffscreenDrawSpec spec(&canvas);
    vertical.Draw(spec);
    horizontal.Draw(spec);
    EXPECT_EQ(canvas.PixelAt(10, 20), GetSystemShadowColor());
    EXPECT_EQ(canvas.PixelAt(11, 20), GetSystemHighlightColor());
    EXPECT_EQ(canvas.PixelAt(40, 10), GetSystemShadowColor());
    EXPECT_EQ(canvas.PixelAt(40, 11), GetSystemHighlightColor());
    EXPECT_EQ(canvas.PixelAt(12, 20), kBand);   // nothing outside the frames
    EXPECT_EQ(canvas.PixelAt(40, 12), kBand);
}
