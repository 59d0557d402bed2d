#pragma once

// CPushButtonView, the framework's text push button: a view whose face is a native button. Windows learn
// of a push by polling ConsumePushed while the push's change notification climbs the view tree; outside
// that notification no button answers true. The view owns its CPushButtonImplementation, which owns the
// native button and is its control callback.

#include "framework/gui/views/View.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CDialogItem;
class CDialogTemplate;
class CPushButtonImplementation;

class CPushButtonView : public CView, public INativeView, public IFocusTarget
{
public:
    static constexpr std::int32_t kDefaultButton = 98;
    static constexpr std::int32_t kOrdinaryButton = 97;
    // The native button lies this far inside the view's frame on every side.
    static constexpr std::int32_t kControlInset = 2;

    // What a dialog item gives for a button.
    struct CDescription
    {
        std::string mTitle;
        CRect mFrame;
        std::int32_t mKind = kOrdinaryButton;
    };

    CPushButtonView(CABCGroupView* parent, const CDescription& description);
    CPushButtonView(CABCGroupView* parent, const std::string& title, std::int32_t kind, const CRect& frame);
    // The item's text, and its rectangle made a view frame as FrameFromItemRect does.
    CPushButtonView(CABCGroupView* parent, const CDialogItem& item, std::int32_t kind);
    ~CPushButtonView() override;

    // The view's frame for a dialog item's rectangle: 2 pixels taller at the top and at the bottom, so that
    // the native button lies at the item's own top and height.
    static CRect FrameFromItemRect(const CRect& itemRect);
    static CRect GetControlRect(const CRect& frame);
    // The item's text and its frame as FrameFromItemRect gives it; XNotFound for a missing item.
    static CDescription MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId,
                                        std::int32_t kind);

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    CRegion GetDrawRegion() const override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    HWND GetNativeHandle() const override;

    // True once for the button that was pushed, inside the push's notification; false otherwise.
    bool ConsumePushed();
    void Push();
    void PushIfEnabled(bool push);
    // Sends nothing when the button shows the title already.
    void SetTitle(const std::string& title);
    std::string GetTitle() const;

private:
    std::unique_ptr<CPushButtonImplementation> mImplementation;
};

} // namespace NSTramvell
