// What the control views compute without the platform: frames from dialog items, progress from counts,
// dialog units, and the control registry's order.

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/controls/ProgressBarView.h"
#include "framework/views/controls/PushButtonView.h"

#include <gtest/gtest.h>

#include <climits>

using NSTramvell::CProgressBarView;
using NSTramvell::CPushButtonView;
using NSTramvell::CRect;

TEST(CProgressBarView, ValueFromCountsIsTruncatedThousandthsWithinTheBar)
{
    const struct { std::int32_t done; std::int32_t total; std::uint16_t value; } kCases[] = {
        {1, 3, 333}, {2, 3, 666}, {0, 5, 0}, {5, 5, 1000},
        {7, 0, 6666}, {3, -4, 6666}, {-1, 10, 6666},
        {300, 200, 1000}, {INT_MAX, 1, 1000}, {-5, 10, 0}, {INT_MIN, 1, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.done << " of " << c.total);
        EXPECT_EQ(CProgressBarView::ValueFromCounts(c.done, c.total), c.value);
    }
}

TEST(ControlFrames, ADialogItemPlacesTheNativeControlOnItsOwnRectangle)
{
    const CRect buttonItem(10, 20, 90, 40);
    const CRect buttonFrame = CPushButtonView::FrameFromItemRect(buttonItem);
    EXPECT_EQ(buttonFrame, CRect(10, 18, 90, 42));
    EXPECT_EQ(CPushButtonView::GetControlRect(buttonFrame), CRect(12, 20, 88, 40));

    const CRect barFrame = CProgressBarView::FrameFromItemRect(CRect(10, 100, 210, 112));
    EXPECT_EQ(barFrame, CRect(10, 99, 210, 114));
    EXPECT_EQ(CProgressBarView::GetControlRect(barFrame), CRect(10, 101, 210, 112));
}

TEST(ControlFrames, TemplateItemsDescribeButtonsAndBarsAndAMissingItemIsNotFound)
{
    const NSTramvell::CDialogTemplate layout(NSTramvell::CPoint(300, 200), "", {
        NSTramvell::CDialogItem(1, NSTramvell::kDialogItemButton, CRect(15, 97, 96, 117), "Stop"),
        NSTramvell::CDialogItem(3, NSTramvell::kDialogItemStatic, CRect(10, 100, 210, 112), "")});
    const CPushButtonView::CDescription button =
        CPushButtonView::MakeDescription(layout, 1, CPushButtonView::kDefaultButton);
    EXPECT_EQ(button.mTitle, "Stop");
    EXPECT_EQ(button.mFrame, CRect(15, 95, 96, 119));
    EXPECT_EQ(button.mKind, CPushButtonView::kDefaultButton);
    EXPECT_EQ(CProgressBarView::FrameFromTemplate(layout, 3), CRect(10, 99, 210, 114));
    EXPECT_THROW(CPushButtonView::MakeDescription(layout, 2, CPushButtonView::kOrdinaryButton),
                 NSTramvell::XNotFound);
    EXPECT_THROW(CProgressBarView::FrameFromTemplate(layout, 2), NSTramvell::XNotFound);
}

TEST(DialogUnitsToPixels, ScalesByTheBaseUnitsAndTruncatesTowardZero)
{
    const std::uint32_t kUnits = (16u << 16) | 6u;   // 6 across, 16 down
    const struct { std::int32_t x, y, width, height; CRect pixels; } kCases[] = {
        {4, 8, 40, 16, CRect(6, 16, 66, 48)},
        {-3, -5, 3, 5, CRect(-4, -10, 0, 0)},
        {1, 1, 1, 1, CRect(1, 2, 2, 4)},
        {0, 0, 0, 0, CRect(0, 0, 0, 0)}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << ", " << c.width << ", " << c.height);
        EXPECT_EQ(NSWinControlUtils::DialogUnitsToPixels(kUnits, c.x, c.y, c.width, c.height), c.pixels);
    }
}

namespace {

class CHandleOnly : public NSWinControlUtils::IWinControlCallback
{
public:
    explicit CHandleOnly(HWND handle) : mHandle(handle) {}
    NSTramvell::CView* GetView() const override { return nullptr; }
    HWND GetNativeHandle() const override { return mHandle; }
    NSTramvell::CView* GetFocusView() const override { return nullptr; }
    std::intptr_t HandleNativeMessage(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
    std::intptr_t HandleParentNotification(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }

private:
    HWND mHandle;
};

} // namespace

TEST(NativeControlRegistry, RemovingACallbackRegisteredTwiceRemovesItsFirstEntry)
{
    using namespace NSWinControlUtils;
    HWND shared = reinterpret_cast<HWND>(0x1230);
    CHandleOnly first(shared);
    CHandleOnly second(shared);
    const std::size_t before = GetRegisteredCallbackCount();
    RegisterNativeControlCallback(&first);
    RegisterNativeControlCallback(&second);
    RegisterNativeControlCallback(&first);
    EXPECT_EQ(FindRegisteredCallback(shared), &first);

    UnregisterNativeControlCallback(&first);   // the front entry goes; the later one stays behind `second`
    EXPECT_EQ(GetRegisteredCallbackCount(), before + 2);
    EXPECT_EQ(FindRegisteredCallback(shared), &second);
    UnregisterNativeControlCallback(&second);
    EXPECT_EQ(FindRegisteredCallback(shared), &first);

    UnregisterNativeControlCallback(nullptr);
    UnregisterNativeControlCallback(&second);   // absent: nothing happens
    EXPECT_EQ(GetRegisteredCallbackCount(), before + 1);
    UnregisterNativeControlCallback(&first);
    EXPECT_EQ(FindRegisteredCallback(shared), nullptr);
    EXPECT_EQ(GetRegisteredCallbackCount(), before);
}
