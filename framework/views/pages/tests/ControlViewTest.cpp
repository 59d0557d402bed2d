#include "framework/views/pages/ControlView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/views/pages/ControlValues.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

int gHeldKey = 0;

class CPlainControlView : public CControlView
{
public:
    using CControlView::CControlView;
    void EnabledChanged(bool) override {}
    void FrameChanged(const CRect&, const CRect&) override {}
};

// Restores the framework-wide settings a test changes.
class CSavedDragSettings
{
public:
    CSavedDragSettings() : mSpeed(GetControlDragSpeed()), mKey(GetFineModeKey()) {}
    ~CSavedDragSettings()
    {
        SetControlDragSpeed(mSpeed);
        SetFineModeKey(mKey);
    }

private:
    std::int32_t mSpeed;
    std::int32_t mKey;
};

} // namespace

TEST(CControlView, ThePressSetsFineModeFromTheChosenKey)
{
    const CSavedDragSettings saved;
    CScopedTableEntry keys(GetWindowTable().GetAsyncKeyState,
                           [](int key) -> SHORT { return key == gHeldKey ? static_cast<SHORT>(0x8000) : 0; });
    NSGuiTest::CTestWindow window;
    CPlainControlView control(window.GetRootView(), CRect(0, 0, 20, 20));
    const CMouseEvent press(CMouseEvent::kPress, CPoint(5, 5), 0, CModifierKeys(), false);
    EXPECT_EQ(control.GetDragPixels(10), 10);

    const struct
    {
        std::int32_t fineModeKey;
        int heldKey;
        std::int32_t dragPixels;
    } kCases[] = {
        {kFineModeShift, VK_SHIFT, 40}, {kFineModeShift, 0, 10},    {kFineModeShift, VK_MENU, 10},
        {kFineModeAlt, VK_MENU, 40},    {kFineModeAlt, VK_SHIFT, 10}, {2, VK_SHIFT, 10},
        {2, VK_MENU, 10},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.fineModeKey << " " << c.heldKey);
        SetFineModeKey(c.fineModeKey);
        gHeldKey = c.heldKey;
        EXPECT_EQ(control.HandleMouseDown(press).GetValue(), CMouseDownResult::kNotHandled);
        EXPECT_EQ(control.GetDragPixels(10), c.dragPixels);
    }

    // The speed scales both modes.
    SetFineModeKey(kFineModeShift);
    SetControlDragSpeed(3);
    gHeldKey = VK_SHIFT;
    control.HandleMouseDown(press);
    EXPECT_EQ(control.GetDragPixels(10), 120);
    // 120 pixels cover the span: 60 pixels up is half of it.
    EXPECT_EQ(control.ValueFromDrag(100, CPoint(0, 100), CPoint(0, 40), 10, 1000, kDragVertical), 600);
}
