#include "framework/views/groups/MagnifyView.h"

#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace NSTramvell;
using NSTramvellTest::CBitmapTestCanvas;

namespace {

// Takes every offered value twice, as a careless owner might, and sets the first it gets.
class CMagnifyOwner : public CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        std::uint16_t value = 0;
        if (mView->TakeChangedValue(value)) {
            mTaken.push_back(value);
            mView->SetValue(value);
        }
        if (mView->TakeChangedValue(value))
            mTaken.push_back(value);
        return 0;
    }
    CMagnifyView* mView = nullptr;
    std::vector<std::uint16_t> mTaken;
};

class MagnifyViewTest : public testing::Test
{
protected:
    MagnifyViewTest() { mWindow.ShowWithBounds(CRect(40, 40, 400, 200)); }
    ~MagnifyViewTest() override { EndTrackingIfTracking(GetTrackingView()); }

    void Click(std::int32_t x)
    {
        mView.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, CPoint(x, 20), 0, CModifierKeys(), false));
        mView.HandleMouseUp(CView::kMouseUpReleased);
    }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestWindow mWindow;
    CMagnifyOwner mOwner{mWindow.GetRootView(), CRect(0, 0, 300, 100)};
    CMagnifyView mView{&mOwner};
};

} // namespace

TEST_F(MagnifyViewTest, PointerSitsAtTheTrackEnds)
{
    mView.SetFrame(CRect(10, 10, 222, 40));
    const struct {
        std::uint16_t value;
        int left;
    } kCases[] = {{0, 11}, {999, 211}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        mView.SetValue(c.value);
        CBitmapTestCanvas canvas(240, 50);
        CPrimitiveOffscreenDrawSpec spec(&canvas);
        mView.Draw(spec);
        // The pointer's sides, 4 pixels high down to its base at y 23, and the apex above the middle.
        for (int y = 20; y <= 23; ++y) {
            EXPECT_EQ(canvas.PixelAt(c.left, y), kColorBlack) << y;
            EXPECT_EQ(canvas.PixelAt(c.left + 8, y), kColorBlack) << y;
        }
        EXPECT_NE(canvas.PixelAt(c.left, 19), kColorBlack);
        EXPECT_NE(canvas.PixelAt(c.left - 1, 22), kColorBlack);
        EXPECT_EQ(canvas.PixelAt(c.left + 4, 16), kColorBlack);
        EXPECT_EQ(canvas.PixelAt(c.left + 4, 21), GetSystemFaceColor());
        EXPECT_EQ(canvas.PixelAt(c.left + 4, 24), GetSystemFaceColor());
    }
}

TEST_F(MagnifyViewTest, TheBevelHasThreeColoursThatDeepenWhilePressed)
{
    mOwner.mView = &mView;
    mView.SetFrame(CRect(10, 10, 222, 40));
    const struct
    {
        bool pressed;
        CColor light;
        CColor middle;
        CColor shade;
    } kCases[] = {
        {false, GetSystemHighlightColor(), GetSystemFaceColor(), GetSystemShadowColor()},
        {true, GetSystemFaceColor(), GetSystemShadowColor(), kColorBlack},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pressed);
        if (c.pressed)
            mView.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, CPoint(100, 20), 0, CModifierKeys(), false));
        CBitmapTestCanvas canvas(240, 50);
        CPrimitiveOffscreenDrawSpec spec(&canvas);
        mView.Draw(spec);
        EXPECT_EQ(canvas.PixelAt(10, 10), c.light);
        EXPECT_EQ(canvas.PixelAt(10, 25), c.light);
        EXPECT_EQ(canvas.PixelAt(221, 10), c.middle);
        EXPECT_EQ(canvas.PixelAt(10, 39), c.middle);
        EXPECT_EQ(canvas.PixelAt(221, 25), c.shade);
        EXPECT_EQ(canvas.PixelAt(100, 39), c.shade);
        EXPECT_EQ(canvas.PixelAt(221, 39), c.shade);
    }
    mView.HandleMouseUp(CView::kMouseUpReleased);
}

TEST_F(MagnifyViewTest, ClicksOfferTheValueUnderTheMouseOnce)
{
    mOwner.mView = &mView;
    mView.SetFrame(CRect(10, 10, 222, 40));   // track 16 .. 216
    mView.SetValue(500);
    Click(11);     // left of the track
    Click(221);    // right of it
    Click(116);
    Click(116);    // already the value: nothing offered
    EXPECT_EQ(mOwner.mTaken, (std::vector<std::uint16_t>{0, 999, 500}));
    EXPECT_EQ(mView.GetValue(), 500);
    std::uint16_t value = 1;
    EXPECT_FALSE(mView.TakeChangedValue(value));
    EXPECT_EQ(value, 1);
}

TEST_F(MagnifyViewTest, AViewWithoutATrackOffersZero)
{
    mOwner.mView = &mView;
    for (const std::int32_t width : {12, 5}) {
        SCOPED_TRACE(width);
        mOwner.mTaken.clear();
        mView.SetFrame(CRect(50, 10, 50 + width, 40));
        mView.SetValue(700);
        Click(53);
        EXPECT_EQ(mOwner.mTaken, std::vector<std::uint16_t>{0});
    }
}
