#include "framework/gui/progress/LengthyOperation.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace NSTramvell;

namespace {

ULONGLONG gNow = 0;
std::vector<int> gCursors;   // the system cursors asked for, by number
std::vector<DWORD> gPauses;
decltype(CWindowTable::LoadCursorA) gRealLoadCursor = nullptr;

constexpr UINT kStopMessage = WM_APP + 7;

// A shown modal window that records what it is told and stops on a private message, as the stop button
// would.
class CRecordingProgressWindow : public CABCLengthyOperationWindow
{
public:
    CRecordingProgressWindow()
    {
        SetWindowHandle(GetWindowTable().CreateWindowExA(0, GetWindowClassName(kKindModalDialog), "Working",
                                                         0x80C00000, 0, 0, 300, 120, nullptr, nullptr,
                                                         ::GetModuleHandleA(nullptr), nullptr));
        ShowWithBounds(CRect(100, 100, 400, 220));
    }
    ~CRecordingProgressWindow() override { Dispose(); }

    void UpdateFromInfo(const CABCProgressInfo& info) override
    {
        mValues.push_back(dynamic_cast<const CSimpleProgressInfo&>(info).GetValue());
    }
    void RootFrameChanged(const CRect&, const CRect&) override {}
    bool HandleOtherMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second,
                            std::intptr_t& result) override
    {
        if (message != kStopMessage)
            return CABCLengthyOperationWindow::HandleOtherMessage(message, first, second, result);
        RequestStop();
        result = 0;
        return true;
    }

    std::vector<std::int32_t> mValues;
};

class CWindowedOperation : public CLengthyOperation
{
public:
    CABCLengthyOperationWindow* CreateProgressWindow(const CABCProgressInfo&) override
    {
        ++mWindowsMade;
        return new CRecordingProgressWindow;
    }
    CRecordingProgressWindow* GetRecordingWindow() const
    {
        return static_cast<CRecordingProgressWindow*>(GetProgressWindow());
    }

    int mWindowsMade = 0;
};

class LengthyOperationTest : public testing::Test
{
protected:
    LengthyOperationTest()
    {
        if (GetWindowClassAtom(CABCWindow::kKindModalDialog) == 0)
            RegisterWindowClasses(::GetModuleHandleA(nullptr));
        gNow = 1000000;
        gCursors.clear();
        gPauses.clear();
    }

    static bool SaveRealEntries()
    {
        gRealLoadCursor = GetWindowTable().LoadCursorA;
        return true;
    }

    void At(ULONGLONG sinceStart) { gNow = 1000000 + sinceStart; }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
    bool mRealEntriesSaved = SaveRealEntries();
    CScopedTableEntry<decltype(CKernelTable::GetTickCount64)> mClock{GetKernelTable().GetTickCount64,
                                                                     []() -> ULONGLONG { return gNow; }};
    CScopedTableEntry<decltype(CKernelTable::Sleep)> mSleep{GetKernelTable().Sleep,
                                                            [](DWORD ms) { gPauses.push_back(ms); }};
    CScopedTableEntry<decltype(CWindowTable::LoadCursorA)> mCursor{
        GetWindowTable().LoadCursorA, [](HINSTANCE instance, LPCSTR name) -> HCURSOR {
            if (instance == nullptr)
                gCursors.push_back(static_cast<int>(reinterpret_cast<std::uintptr_t>(name)));
            return gRealLoadCursor(instance, name);
        }};
};

constexpr int kArrow = 32512;
constexpr int kWait = 32514;

} // namespace

TEST_F(LengthyOperationTest, ShowsTheArrowForHalfASecondThenTheWaitCursorEveryFifthOfASecond)
{
    CLengthyOperation operation;
    const CSimpleProgressInfo info;
    const struct
    {
        ULONGLONG at;
        std::vector<int> cursors;
    } kSteps[] = {
        {100, {kArrow}}, {500, {kArrow}}, {501, {kWait}}, {600, {}}, {700, {}},
        {701, {kWait}},  {900, {}},       {901, {kWait}}, {6000, {kWait}},
    };
    for (const auto& step : kSteps) {
        SCOPED_TRACE(step.at);
        gCursors.clear();
        At(step.at);
        operation.Update(info);
        EXPECT_EQ(gCursors, step.cursors);
    }
    // The base operation never has a window.
    EXPECT_EQ(operation.GetProgressWindow(), nullptr);
}

TEST_F(LengthyOperationTest, TheWindowComesAfterFiveSecondsAndHoldsTheRestModal)
{
    auto document = std::make_unique<NSGuiTest::CTestWindow>();
    document->ShowWithBounds(CRect(40, 40, 340, 240));
    const std::int16_t busyBefore = GetBusyCount();
    {
        CWindowedOperation operation;
        At(4900);
        operation.Update(CSimpleProgressInfo(1, 0, "", ""));
        At(5000);
        operation.Update(CSimpleProgressInfo(2, 0, "", ""));
        EXPECT_EQ(operation.GetProgressWindow(), nullptr);
        At(5301);
        operation.Update(CSimpleProgressInfo(3, 0, "", ""));
        ASSERT_NE(operation.GetProgressWindow(), nullptr);
        EXPECT_TRUE(operation.IsWindowShown());
        EXPECT_FALSE(::IsWindowEnabled(document->GetWindowHandle()));
        EXPECT_TRUE(::IsWindowEnabled(operation.GetProgressWindow()->GetWindowHandle()));
        EXPECT_EQ(GetBusyCount(), busyBefore + 1);
        NSGuiTest::SaveScreenshot("LengthyOperationWindow");

        // At most one update every 300 ms.
        At(5500);
        operation.Update(CSimpleProgressInfo(4, 0, "", ""));
        At(5602);
        operation.Update(CSimpleProgressInfo(5, 0, "", ""));
        EXPECT_EQ(operation.GetRecordingWindow()->mValues, (std::vector<std::int32_t>{3, 5}));
        EXPECT_EQ(operation.mWindowsMade, 1);

        // The update's pump step lets the window take what the user did.
        EXPECT_FALSE(operation.IsStopRequested());
        GetWindowTable().PostMessageA(operation.GetProgressWindow()->GetWindowHandle(), kStopMessage, 0, 0);
        At(5903);
        operation.Update(CSimpleProgressInfo(6, 0, "", ""));
        EXPECT_TRUE(operation.IsStopRequested());
    }
    EXPECT_TRUE(::IsWindowEnabled(document->GetWindowHandle()));
    EXPECT_EQ(GetBusyCount(), busyBefore);
}

TEST_F(LengthyOperationTest, FinishingPausesOnlyWithAWindowUp)
{
    {
        CWindowedOperation quick;
        At(200);
        quick.Finish(CSimpleProgressInfo());
        EXPECT_TRUE(gPauses.empty());
    }
    CWindowedOperation slow;
    At(6000);
    slow.Update(CSimpleProgressInfo());
    ASSERT_TRUE(slow.IsWindowShown());
    At(6400);
    slow.Finish(CSimpleProgressInfo(7, 0, "", ""));
    EXPECT_EQ(gPauses, (std::vector<DWORD>{1000}));
    EXPECT_EQ(slow.GetProgressWindow(), nullptr);
    EXPECT_FALSE(slow.IsWindowShown());
}

TEST_F(LengthyOperationTest, EscapeAsksTheWorkToStop)
{
    const struct
    {
        std::uint32_t kind;
        std::uint32_t keyCode;
        bool stops;
    } kCases[] = {
        {kKeyDown, kKeyEscape, true},
        {kKeyRepeat, kKeyEscape, true},
        {kKeyUp, kKeyEscape, false},
        // The kind and the code the other way round are no Escape.
        {kKeyEscape, kKeyDown, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.keyCode);
        CRecordingProgressWindow window;
        EXPECT_EQ(window.HandleKey(CKeyEvent(CModifierKeys(), c.keyCode, c.kind, 0, 0)), c.stops);
        EXPECT_EQ(window.IsStopRequested(), c.stops);
    }
}
