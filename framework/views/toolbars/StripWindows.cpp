#include "framework/views/toolbars/StripWindows.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/views/toolbars/win32/StripNativeWindow.h"

#include <cstdint>

namespace NSTramvell {

namespace {

CABCCanvas* CanvasOf(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    return viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
}

} // namespace

CStripWindow::CStripWindow(CABCWindow& parent, const CRect& frame)
    : CABCWindow(kKindDocument, frame.GetLeft(), frame.GetTop(), frame.GetRight(), frame.GetBottom())
{
    SetWindowHandle(CreateStripNativeWindow(parent.GetWindowHandle(), frame));
    AddToWindowRegistry(this);
}

CStripWindow::~CStripWindow()
{
    Dispose();
}

void CStripWindow::RootFrameChanged(const CRect&, const CRect& newFrame)
{
    if (mToolRoot != nullptr)
        mToolRoot->SetFrame(newFrame);
}

std::int32_t CStripWindow::GetFrameBorderWidth() const { return GetFrameMetricWidth(false); }

std::int32_t CStripWindow::GetFrameBorderHeight() const { return GetFrameMetricHeight(false); }

void CStripToolRootView::DrawBackground(CABCViewDrawSpec& drawSpec)
{
    if (CABCCanvas* canvas = CanvasOf(drawSpec))
        canvas->FillRect(*GetFrame(), CView::GetBackgroundColor(this));
}

void CStripToolRootView::Draw(CABCViewDrawSpec& drawSpec)
{
    CABCCanvas* canvas = CanvasOf(drawSpec);
    if (canvas == nullptr)
        return;
    const CRect& frame = *GetFrame();
    const std::int32_t right = frame.GetRight() - 1;
    canvas->DrawLine(frame.GetLeft(), frame.GetTop(), right, frame.GetTop(), GetSystemShadowColor());
    canvas->DrawLine(frame.GetLeft(), frame.GetTop() + 1, right, frame.GetTop() + 1, kColorWhite);
    if (mBottomEdge) {
        canvas->DrawLine(frame.GetLeft(), frame.GetBottom() - 2, right, frame.GetBottom() - 2, GetSystemShadowColor());
        canvas->DrawLine(frame.GetLeft(), frame.GetBottom() - 1, right, frame.GetBottom() - 1, kColorBlack);
    }
    const CClipGuard clip(canvas, GetInsideEdges());
    CStandardGroupView::Draw(drawSpec);
}

CRect CStripToolRootView::GetInsideEdges() const
{
    CRect inside = *GetFrame();
    inside.SetTop(inside.GetTop() + 2);
    if (mBottomEdge)
        inside.SetBottom(inside.GetBottom() - 2);
    return inside;
}

CApplicationStatusBar::CApplicationStatusBar(CABCWindow& parent, const CRect& frame) : CStripWindow(parent, frame)
{
    SetToolRootView(new CToolRootView(GetRootView()));
    GetToolRootView()->SetFrame(GetClientBounds());
}

CApplicationToolbar::CApplicationToolbar(CABCWindow& parent, const CRect& frame) : CStripWindow(parent, frame)
{
    SetToolRootView(new CToolRootView(GetRootView()));
    GetToolRootView()->SetFrame(GetClientBounds());
}

std::int32_t AbsoluteValue(std::int32_t value) noexcept
{
    if (value == INT32_MIN)
        return INT32_MAX;
    return value < 0 ? -value : value;
}

} // namespace NSTramvell
