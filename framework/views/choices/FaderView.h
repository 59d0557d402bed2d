#pragma once

// CFaderView, the framework's slider: a value from 0 to a 16-bit maximum shown by a native trackbar,
// with everything native in its CFaderViewImplementation. A move of the trackbar offers a value while
// the view's change notice climbs (TakePendingValue answers it there); the owner accepts it by calling
// SetValue inside the notice. A vertical fader has its maximum at the top.

#include "framework/gui/views/View.h"
#include "framework/views/choices/ChoiceRules.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CDialogTemplate;
class CFaderViewImplementation;

struct CFaderDescription
{
    CRect mFrame;
    std::int32_t mOrientation = kFaderHorizontal;
    std::int32_t mTickPlacement = 1;
    std::uint16_t mMaximum = 100;

    // The item's rectangle made 25 thick across the orientation.
    static CFaderDescription Make(const CDialogTemplate& dialogTemplate, std::uint16_t itemId,
                                  std::int32_t orientation, std::int32_t tickPlacement, std::uint16_t maximum);
};

class CFaderView : public CView, public INativeView, public IFocusTarget
{
public:
    // The frame made 25 thick across the orientation.
    CFaderView(CABCGroupView* parent, const CRect& frame, std::int32_t orientation, std::int32_t tickPlacement,
               std::uint16_t maximum);
    // The frame as it is.
    CFaderView(CABCGroupView* parent, std::int32_t orientation, std::int32_t tickPlacement, const CRect& frame,
               std::uint16_t maximum);
    CFaderView(CABCGroupView* parent, const CFaderDescription& description);
    ~CFaderView() override;

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    CRegion GetDrawRegion() const override { return CRegion(*GetFrame()); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent&) override { return CMouseDownResult(true); }
    HWND GetNativeHandle() const override;

    std::uint16_t GetValue() const;
    void SetValue(std::uint16_t value);
    // A value above the new maximum comes down to it; the trackbar shows the value again.
    void SetMaximum(std::uint16_t maximum);
    std::uint16_t GetMaximum() const;
    std::int32_t GetOrientation() const;
    bool IsTracking() const;
    void OfferValue(std::uint16_t value);
    bool TakePendingValue(std::uint16_t& value);

private:
    std::unique_ptr<CFaderViewImplementation> mImplementation;
};

} // namespace NSTramvell
