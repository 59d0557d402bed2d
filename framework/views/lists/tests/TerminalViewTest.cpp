// The terminal view in a window: its line arithmetic in the system font, its scroll and its drawing.

#include "framework/foundation/core/Media.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/WindowCanvas.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/views/lists/StringList.h"
#include "framework/views/lists/TerminalView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using NSTramvell::CRect;
using NSTramvell::CStringList;
using NSTramvell::CTerminalView;

namespace {

const NSTramvell::CColor kBackground(90, 160, 210);

class TerminalView : public testing::Test
{
protected:
    void SetUp() override
    {
        mWindow.SetBackgroundColor(kBackground);
        NSTramvell::CWindowReadOnlyCanvas canvas(&mWindow);
        mLineHeight = canvas.GetFontHeight(NSTramvell::GetSystemFontSpec());
        ASSERT_GT(mLineHeight, 0);
        mView.SetFrame(CRect(0, 0, 200, 10 * mLineHeight));
    }

    void AddLines(int count)
    {
        for (int i = 0; i < count; ++i)
            mView.AddLine("line " + std::to_string(i));
    }

    // Whether any text pixel lies in rows top .. bottom - 1.
    static bool HasTextIn(const NSTramvellTest::CBitmapTestCanvas& canvas, int top, int bottom)
    {
        return GetLeftmostText(canvas, top, bottom) >= 0;
    }

    // The leftmost column of text in rows top .. bottom - 1, -1 when there is none.
    static int GetLeftmostText(const NSTramvellTest::CBitmapTestCanvas& canvas, int top, int bottom)
    {
        int leftmost = -1;
        for (int y = std::max(top, 0); y < bottom; ++y) {
            const std::vector<int> columns = canvas.ColumnsInRow(y, NSTramvell::kColorBlack);
            if (!columns.empty() && (leftmost < 0 || columns.front() < leftmost))
                leftmost = columns.front();
        }
        return leftmost;
    }

    NSGuiTest::CTestWindow mWindow;
    CStringList mList{50, 40};
    CTerminalView mView{mWindow.GetRootView(), mList};
    int mLineHeight = 0;
};

} // namespace

TEST_F(TerminalView, CountsLinesInTheSystemFontAndKeepsTheScrollForTheFrame)
{
    EXPECT_EQ(mView.GetVisibleLineCount(), 10);
    EXPECT_EQ(mView.GetVisibleProportion(), 1000);
    AddLines(30);
    EXPECT_EQ(mView.GetMaxScroll(), 20);
    EXPECT_EQ(mView.GetVisibleProportion(), 333);

    mView.SetScroll(100);
    EXPECT_EQ(mView.GetScroll(), 100);
    mView.SetFrame(CRect(0, 0, 200, 5 * mLineHeight));
    EXPECT_EQ(mView.GetScroll(), 25);
    mView.SetFrame(CRect(0, 0, 200, 20 * mLineHeight));
    EXPECT_EQ(mView.GetScroll(), 10);
    mView.SetScroll(-3);
    mView.ClampScroll();
    EXPECT_EQ(mView.GetScroll(), -3);   // only ever lowered
}

TEST_F(TerminalView, DrawsFewLinesOnTheBottomRowsWhateverTheScroll)
{
    AddLines(2);
    const int height = 10 * mLineHeight;
    for (std::int32_t scroll : {0, 7}) {
        SCOPED_TRACE(scroll);
        mView.SetScroll(scroll);
        NSTramvellTest::CBitmapTestCanvas canvas(200, height);
        NSTramvell::CPrimitiveOffscreenDrawSpec spec(&canvas);
        mView.Draw(spec);
        EXPECT_EQ(canvas.PixelAt(1, 1), kBackground);
        EXPECT_TRUE(HasTextIn(canvas, height - mLineHeight, height));
        EXPECT_TRUE(HasTextIn(canvas, height - 2 * mLineHeight, height - mLineHeight));
        EXPECT_FALSE(HasTextIn(canvas, 0, height - 2 * mLineHeight));
        EXPECT_GE(GetLeftmostText(canvas, 0, height), 6);
    }
}

TEST_F(TerminalView, WritesItsListAsText)
{
    mView.AddLine("x");
    NSTramvell::COwnedMemoryMedia media;
    mView.WriteLines(media);
    EXPECT_EQ(media.GetSize(), 3);
    mView.Clear();
    EXPECT_EQ(mView.GetLineCount(), 0);
}
