#pragma once

// CProgressBarView shows a task's progress in thousandths with a native progress bar. The view keeps the
// value and hands it to the control only when it is drawn, so SetValue costs an invalidation and the
// position changes with the window's next paint. 6666 stands for progress that is not known.

#include "framework/gui/views/View.h"
#include "framework/views/controls/NativeControl.h"

#include <cstdint>

namespace NSTramvell {

class CDialogTemplate;

class CProgressBarView : public CView, public INativeView
{
public:
    static constexpr std::uint16_t kUnknownProgress = 6666;
    static constexpr std::uint16_t kFullProgress = 1000;
    // The native bar's height inside the 16-pixel row the view stands for.
    static constexpr std::int32_t kBarHeight = 12;
    static constexpr std::int32_t kControlInset = (16 - kBarHeight) / 2;

    CProgressBarView(CABCGroupView* parent, const CRect& frame);
    ~CProgressBarView() override;

    // The view's frame for a dialog item's rectangle: 1 pixel higher at the top and 2 pixels lower at the
    // bottom, so that the native bar lies from the item's top + 1 to its bottom.
    static CRect FrameFromItemRect(const CRect& itemRect);
    // The same for the template's item; XNotFound for a missing item.
    static CRect FrameFromTemplate(const CDialogTemplate& dialogTemplate, std::uint16_t itemId);
    static CRect GetControlRect(const CRect& frame);
    // What a done count of a total gives SetValue: unknown when done is -1 or there is no total, else
    // thousandths, truncated and kept within 0-1000.
    static std::uint16_t ValueFromCounts(std::int32_t done, std::int32_t total);

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    HWND GetNativeHandle() const override { return mControl.GetHandle(); }

    void SetValue(std::uint16_t value);
    std::uint16_t GetValue() const { return mValue; }

private:
    std::uint16_t mValue = 0;
    NSWinControlUtils::CNativeControl mControl{*this, NSWinControlUtils::EControlKeys::kAll, &GetControlRect};
};

} // namespace NSTramvell
