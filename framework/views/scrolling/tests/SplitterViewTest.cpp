#include "framework/views/scrolling/SplitterView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

POINT gMouseOnScreen{};
std::vector<std::uintptr_t> gCursorsSet;

// The mouse stands where the test puts it; cursors are the numbers they were loaded by.
class CFakeMouseAndCursors
{
public:
    CFakeMouseAndCursors() { gCursorsSet.clear(); }

private:
    CScopedTableEntry<decltype(CWindowTable::GetCursorPos)> mPosition{GetWindowTable().GetCursorPos,
                                                                       [](LPPOINT point) -> BOOL {
                                                                           *point = gMouseOnScreen;
                                                                           return TRUE;
                                                                       }};
    CScopedTableEntry<decltype(CWindowTable::LoadCursorA)> mLoad{
        GetWindowTable().LoadCursorA,
        [](HINSTANCE, LPCSTR name) { return reinterpret_cast<HCURSOR>(reinterpret_cast<std::uintptr_t>(name)); }};
    CScopedTableEntry<decltype(CWindowTable::SetCursor)> mSet{GetWindowTable().SetCursor, [](HCURSOR cursor) {
                                                                  gCursorsSet.push_back(
                                                                      reinterpret_cast<std::uintptr_t>(cursor));
                                                                  return HCURSOR{};
                                                              }};
};

class CRecordingListener : public ISplitterListener
{
public:
    void DragStarted(CSplitterView&) override { mCalls.push_back("started"); }
    void AdjustProposedFrame(CSplitterView&, CRect& frame) override
    {
        mCalls.push_back("adjust");
        if (frame.GetTop() < 90)
            frame.MoveTo(frame.GetLeft(), 90);
    }
    void DragEnded(CSplitterView&) override { mCalls.push_back("ended"); }
    std::vector<std::string> mCalls;
};

class CSplitterOwner : public CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        CRect frame;
        while (mSplitter != nullptr && mSplitter->TakeProposedFrame(frame))
            mTaken.push_back(frame);
        return 0;
    }
    CSplitterView* mSplitter = nullptr;
    std::vector<CRect> mTaken;
};

class SplitterTest : public testing::Test
{
protected:
    SplitterTest() { mWindow.ShowWithBounds(CRect(40, 40, 340, 300)); }
    ~SplitterTest() override { EndTrackingIfTracking(GetTrackingView()); }

    void PutMouseAt(std::int32_t x, std::int32_t y)
    {
        gMouseOnScreen = POINT{x, y};
        ::ClientToScreen(mWindow.GetWindowHandle(), &gMouseOnScreen);
    }
    CMouseDownResult Press(CView& view, std::int32_t x, std::int32_t y)
    {
        return view.HandleMouseDown(CMouseEvent(CMouseEvent::kPress, CPoint(x, y), 0, CModifierKeys(), false));
    }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
    NSGuiTest::CTestWindow mWindow;
    CFakeMouseAndCursors mFakes;
};

} // namespace

TEST_F(SplitterTest, ANonDraggableSplitterIgnoresPressesAndKeepsTheCursor)
{
    CSplitterView splitter(mWindow.GetRootView(), CSplitterView::kMovesVertically, false);
    splitter.SetFrame(CRect(0, 98, 200, 104));
    EXPECT_EQ(Press(splitter, 50, 100).GetValue(), CMouseDownResult::kNotHandled);
    EXPECT_EQ(GetTrackingView(), nullptr);
    splitter.AdjustCursor();
    for (const std::uintptr_t cursor : gCursorsSet) {
        EXPECT_NE(cursor, kHorizontalSplitCursor);
        EXPECT_NE(cursor, kVerticalSplitCursor);
    }

    CSplitterView rows(mWindow.GetRootView(), CSplitterView::kMovesVertically, true);
    CSplitterView columns(mWindow.GetRootView(), CSplitterView::kMovesHorizontally, true);
    gCursorsSet.clear();
    rows.AdjustCursor();
    columns.AdjustCursor();
    EXPECT_EQ(gCursorsSet, (std::vector<std::uintptr_t>{kHorizontalSplitCursor, kVerticalSplitCursor}));
}

TEST_F(SplitterTest, ADragProposesFramesTheListenerMayChange)
{
    CSplitterOwner owner(mWindow.GetRootView(), CRect(0, 0, 300, 260));
    CSplitterView splitter(&owner, CSplitterView::kMovesVertically, true);
    owner.mSplitter = &splitter;
    CRecordingListener listener;
    splitter.SetListener(&listener);
    splitter.SetFrame(CRect(0, 98, 200, 104));

    EXPECT_EQ(Press(splitter, 50, 100).GetValue(), CMouseDownResult::kHandled);
    EXPECT_EQ(GetTrackingView(), &splitter);
    PutMouseAt(70, 100);   // no vertical move: nothing proposed
    splitter.TrackMouse();
    PutMouseAt(60, 130);
    splitter.TrackMouse();
    PutMouseAt(60, 80);    // above what the listener allows
    splitter.TrackMouse();
    EXPECT_EQ(owner.mTaken, (std::vector<CRect>{CRect(0, 128, 200, 134), CRect(0, 90, 200, 96)}));
    EXPECT_EQ(*splitter.GetFrame(), CRect(0, 98, 200, 104));   // the owner moves it, not the splitter
    CRect outside;
    EXPECT_FALSE(splitter.TakeProposedFrame(outside));

    splitter.HandleMouseUp(CView::kMouseUpCutOff);
    EXPECT_EQ(listener.mCalls, (std::vector<std::string>{"started", "adjust", "adjust"}));
    splitter.HandleMouseUp(CView::kMouseUpReleased);
    EXPECT_EQ(listener.mCalls.back(), "ended");
    EXPECT_EQ(GetTrackingView(), nullptr);
}

TEST_F(SplitterTest, ColumnsMoveSideways)
{
    CSplitterOwner owner(mWindow.GetRootView(), CRect(0, 0, 300, 260));
    CSplitterView splitter(&owner, CSplitterView::kMovesHorizontally, true);
    owner.mSplitter = &splitter;
    splitter.SetFrame(CRect(100, 0, 104, 200));
    Press(splitter, 101, 50);
    PutMouseAt(90, 150);
    splitter.TrackMouse();
    EXPECT_EQ(owner.mTaken, std::vector<CRect>{CRect(89, 0, 93, 200)});
    splitter.HandleMouseUp(CView::kMouseUpReleased);
}
