#pragma once

// CPopupButtonView, a drop-down list over the native combo box, filled from a string list. A choice is
// offered to the owner during a change notification (TakeChoice); the owner takes it with SetSelection,
// otherwise the control goes back to the selection it had.

#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/views/View.h"
#include "framework/views/controls/NativeControl.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CDialogTemplate;
class IStringList;

class CPopupButtonView : public CView,
                         public INativeView,
                         public IFocusTarget,
                         public NSWinControlUtils::IWinControlCallback
{
public:
    static constexpr std::uint16_t kNoSelection = 0xFFFF;
    // The closed control's height, and the height it drops down to.
    static constexpr std::int32_t kClosedHeight = 21;
    static constexpr std::int32_t kDroppedHeight = 400;

    // The list is borrowed and may be null (an empty control).
    CPopupButtonView(CABCGroupView* parent, const CRect& frame, const IStringList* strings = nullptr);
    ~CPopupButtonView() override;

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent&) override { return CMouseDownResult(true); }

    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetView() const override { return const_cast<CPopupButtonView*>(this); }
    CView* GetFocusView() const override { return const_cast<CPopupButtonView*>(this); }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    // Fills the control with the list's lines and shows the selection.
    void SetStringList(const IStringList* strings);
    // While the list is dropped down, or the control holds the mouse, only stored: the control shows it
    // when it closes.
    void SetSelection(std::uint16_t index);
    std::uint16_t GetSelection() const { return mSelection; }
    // True inside the notification of a choice, with the index chosen (kNoSelection for none).
    bool TakeChoice(std::uint16_t& index) const;
    bool IsDroppedDown() const { return mDropped; }

    // The control's rectangle for a frame of the view.
    static CRect GetControlRect(const CRect& frame);
    // A view frame for a layout rectangle: one pixel higher, then kClosedHeight tall.
    static CRect FrameFromRect(const CRect& rect);
    // The same for the template's item; XNotFound when it has none.
    static CRect FrameFromTemplate(const CDialogTemplate& layout, std::uint16_t itemId);

private:
    void Fill();
    void ShowSelection(std::uint16_t index);
    void ResizeControl(std::int32_t height);

    const IStringList* mStrings;   // borrowed
    std::uint16_t mSelection = kNoSelection;
    std::uint16_t mPending = 666;
    bool mChoosing = false;
    bool mDropped = false;
    NSWinControlUtils::CNativeControl mControl{*this, NSWinControlUtils::EControlKeys::kAll, &GetControlRect};
};

} // namespace NSTramvell
