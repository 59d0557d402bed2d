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

void DrawTopLines(CABCCanvas& canvas, const CRect& frame)
{
    canvas.DrawLine(frame.GetLeft(), frame.GetTop(), frame.GetRight() - 1, frame.GetTop(), GetSystemShadowColor());
    canvas.DrawLine(frame.GetLeft(), frame.GetTop() + 1, frame.GetRight() - 1, frame.GetTop() + 1, kColorWhite);
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

CApplicationStatusBar::CApplicationStatusBar(CABCWindow& parent, const CRect& frame) : CStripWindow(parent, frame)
{
    SetToolRootView(new CToolRootView(GetRootView()));
    GetToolRootView()->SetFrame(GetClientBounds());
}

void CApplicationStatusBar::CToolRootView::DrawBackground(CABCViewDrawSpec& drawSpec)
{
    if (CABCCanvas* canvas = CanvasOf(drawSpec))
        canvas->FillRect(*GetFrame(), CView::GetBackgroundColor(this));
}

void CApplicationStatusBar::CToolRootView::Draw(CABCViewDrawSpec& drawSpec)
{
    CABCCanvas* canvas = CanvasOf(drawSpec);
    if (canvas == nullptr)
        return;
    DrawTopLines(*canvas, *GetFrame());
    const CClipGuard clip(canvas, GetContentRect());
    CStandardGroupView::Draw(drawSpec);
}

CRect CApplicationStatusBar::CToolRootView::GetContentRect() const
{
    CRect content = *GetFrame();
    content.SetTop(content.GetTop() + 2);
    return content;
}

CApplicationToolbar::CApplicationToolbar(CABCWindow& parent, const CRect& frame) : CStripWindow(parent, frame)
{
    SetToolRootView(new CToolRootView(GetRootView()));
    GetToolRootView()->SetFrame(GetClientBounds());
}

void CApplicationToolbar::CToolRootView::DrawBackground(CABCViewDrawSpec& drawSpec)
{
    if (CABCCanvas* canvas = CanvasOf(drawSpec))
        canvas->FillRect(*GetFrame(), CView::GetBackgroundColor(this));
}

void CApplicationToolbar::CToolRootView::Draw(CABCViewDrawSpec& drawSpec)
{
    CABCCanvas* canvas = CanvasOf(drawSpec);
    if (canvas == nullptr)
        return;
    const CRect& frame = *GetFrame();
    DrawTopLines(*canvas, frame);
    const std::int32_t right = frame.GetRight() - 1;
    canvas->DrawLine(frame.GetLeft(), frame.GetBottom() - 2, right, frame.GetBottom() - 2, GetSystemShadowColor());
    canvas->DrawLine(frame.GetLeft(), frame.GetBottom() - 1, right, frame.GetBottom() - 1, kColorBlack);
    CRect inner = frame;
    inner.SetTop(frame.GetTop() + 2);
    inner.SetBottom(frame.GetBottom() - 2);
    const CClipGuard clip(canvas, inner);
    CStandardGroupView::Draw(drawSpec);
}

std::int32_t AbsoluteValue(std::int32_t value) noexcept
{
    if (value == INT32_MIN)
        return INT32_MAX;
    return value < 0 ? -value : value;
}

} // namespace NSTramvell
