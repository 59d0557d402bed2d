#pragma once

// CCheckBoxView, the framework's check box: the view the tree holds, with everything native in its
// CCheckBoxViewImplementation, which owns the platform's check box. A click on the control toggles the
// view, which tells its owner through a change notice; ConsumeChanged answers true once inside it.

#include "framework/gui/views/View.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CCheckBoxViewImplementation;
class CDialogTemplate;

class CCheckBoxViewDescription
{
public:
    CCheckBoxViewDescription() = default;
    CCheckBoxViewDescription(std::string title, const CRect& frame) : mTitle(std::move(title)), mFrame(frame) {}
    const std::string& GetTitle() const { return mTitle; }
    void GetFrame(CRect& out) const { out = mFrame; }
    // The item's text and rectangle.
    static CCheckBoxViewDescription Make(const CDialogTemplate& dialogTemplate, std::uint16_t itemId);

private:
    std::string mTitle;
    CRect mFrame;
};

class CCheckBoxView : public CView, public INativeView, public IFocusTarget
{
public:
    CCheckBoxView(CABCGroupView* parent, const CRect& frame);
    CCheckBoxView(CABCGroupView* parent, const std::string& title, const CRect& frame);
    CCheckBoxView(CABCGroupView* parent, const CCheckBoxViewDescription& description);
    ~CCheckBoxView() override;

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    // The toggle comes from the control's own click.
    CMouseDownResult HandleMouseDown(const CMouseEvent&) override { return CMouseDownResult(true); }
    HWND GetNativeHandle() const override;

    bool IsChecked() const;
    // Tells the control only on a change.
    void SetChecked(bool checked);
    void Toggle();
    bool ConsumeChanged();
    std::int32_t NotifyChanged();
    void SetTitle(const std::string& title);

private:
    std::unique_ptr<CCheckBoxViewImplementation> mImplementation;
};

} // namespace NSTramvell
