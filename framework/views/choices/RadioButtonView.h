#pragma once

// Native radio buttons and the group that keeps one of them selected. A button's index is its place
// among the group's children. A click or an arrow key offers an index: the group sets its pending index
// while its change notice climbs, and the owner takes it (TakePendingChange) and accepts it by setting
// the displayed selection. A button outside a radio group takes no part.

#include "framework/gui/views/GroupView.h"
#include "framework/gui/views/View.h"
#include "framework/views/choices/ChoiceRules.h"
#include "framework/views/controls/NativeControl.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CDialogItem;
class CDialogTemplate;
class CRadioButtonGroupView;

class CRadioButtonView : public CView, public INativeView, public NSWinControlUtils::IWinControlCallback
{
public:
    struct CDescription
    {
        std::string mTitle;
        CRect mFrame;
    };
    // The item's text and rectangle.
    static CDescription MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId);

    CRadioButtonView(CABCGroupView* parent, const std::string& title, const CRect& frame);
    CRadioButtonView(CABCGroupView* parent, const CDescription& description);
    // The item's text and rectangle.
    CRadioButtonView(CABCGroupView* parent, const CDialogItem& item);
    ~CRadioButtonView() override;

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent&) override { return CMouseDownResult(true); }

    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetView() const override { return const_cast<CRadioButtonView*>(this); }
    CView* GetFocusView() const override { return const_cast<CRadioButtonView*>(this); }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    // The parent when it is a radio group, else null.
    CRadioButtonGroupView* GetGroup() const;
    bool IsShownChecked() const { return mShownChecked; }
    // Tells the control only when the state it shows changes.
    void ShowChecked(bool checked);

private:
    bool mShownChecked = false;
    NSWinControlUtils::CNativeControl mControl{*this, NSWinControlUtils::EControlKeys::kSpace};
};

class CRadioButtonGroupView : public CStandardGroupView,
                              public IFocusTarget,
                              public NSTramvellInternal::IWinSubViewHasWin32Focus
{
public:
    explicit CRadioButtonGroupView(CABCGroupView* parent);

    // The frame follows the children: the union of theirs.
    void AddChild(CView* child) override;
    void RemoveChild(CView* child) override;
    CView* GetSubViewWithWin32Focus() override;

    // -1 for a view that is not a child.
    std::int32_t IndexOf(const CView* view) const;
    // The user's choice: offered to the owner unless it is no news.
    void Select(std::uint16_t index);
    // The button delta places from the given one, wrapping; when the owner accepts it, it takes the focus.
    void SelectRelative(const CRadioButtonView* from, std::int32_t delta);
    bool TakePendingChange(std::uint16_t& index) { return mSelection.TakePending(index); }
    std::uint16_t GetSelectedIndex() const { return mSelection.GetSelected(); }
    void SetDisplayedSelection(std::uint16_t index);

private:
    void FitToChildren();
    CRadioButtonView* GetButton(std::uint16_t index) const;

    CRadioSelection mSelection;
};

} // namespace NSTramvell
