#include "framework/views/toolbars/ToolbarButtonViews.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/DrawingFunctions.h"
#include "framework/gui/images/BitmapDrawing.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/PopupMenu.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/toolbars/ToolbarAppearance.h"

namespace NSTramvell {

namespace {

CABCCanvas* CanvasOf(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    return viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
}

CBitmapKey MaskedKey(const CBitmapKey& key)
{
    CBitmapKey masked = key;
    masked.SetMasked();
    return masked;
}

// The disabled look: the picture averaged with the ground it stands on.
CBitmapKey MakeBackgroundMaskedKey(const CBitmapKey& key, const CColor& background)
{
    CBitmapKey faded = MaskedKey(key);
    faded.SetMaskColor(background.GetRed(), background.GetGreen(), background.GetBlue());
    return faded;
}

void DrawPicture(CABCCanvas& canvas, const CRect& frame, std::int32_t inset, const CBitmapKey& key)
{
    if (key.GetResourceId() != kNoToolbarPicture)
        DrawBitmap(canvas, frame.GetLeft() + inset, frame.GetTop() + inset, key);
}

} // namespace

void DrawToolbarButton(CABCCanvas& canvas, const CRect& frame, const CColor& background, std::int32_t appearance,
                       const CBitmapKey& key)
{
    const CClipGuard clip(&canvas, frame);
    const CColor dark = GetToolbarDarkColor(background);
    switch (appearance) {
    case kToolbarFaded:
        DrawPicture(canvas, frame, 3, MakeBackgroundMaskedKey(key, background));
        break;
    case kToolbarFadedChecked:
        DrawBevel(canvas, frame, dark, kColorWhite);
        DrawPicture(canvas, frame, 4, MakeBackgroundMaskedKey(key, background));
        break;
    case kToolbarFlat:
        DrawPicture(canvas, frame, 3, key);
        break;
    case kToolbarRaised:
        DrawBevel(canvas, frame, kColorWhite, dark);
        DrawPicture(canvas, frame, 3, key);
        break;
    case kToolbarSunk:
        DrawBevel(canvas, frame, dark, kColorWhite);
        DrawPicture(canvas, frame, 4, key);
        break;
    default:
        break;
    }
}

CToolbarButtonView::CToolbarButtonView(CABCGroupView* parent, const CBitmapKey& key)
    : CView(parent, CRect()), mKey(MaskedKey(key))
{
    SetFrameRect(CRect(-kWidth, -kHeight, 0, 0));
}

void CToolbarButtonView::Draw(CABCViewDrawSpec& drawSpec)
{
    if (CABCCanvas* canvas = CanvasOf(drawSpec))
        DrawToolbarButton(*canvas, *GetFrame(), CView::GetBackgroundColor(this), GetAppearance(), mKey);
}

void CToolbarButtonView::SetBitmap(const CBitmapKey& key)
{
    if (key.GetResourceId() == mKey.GetResourceId())
        return;
    mKey = MaskedKey(key);
    Invalidate();
}

bool CToolbarButtonView::WasClicked()
{
    const bool clicked = mClicked;
    mClicked = false;
    return clicked;
}

std::int32_t CToolbarButtonView::GetAppearance() const
{
    return GetToolbarAppearance(IsEnabled(), mDown, mHot, ShowsChecked(), ShowsFeedback());
}

void CToolbarButtonView::NotifyClick()
{
    mClicked = true;
    NotifyViewChanged(this);
    mClicked = false;
}

void CToolbarButtonView::SetHot(bool hot)
{
    if (hot == mHot)
        return;
    mHot = hot;
    Invalidate();
}

void CToolbarButtonView::ShowDown(bool down)
{
    if (down == mDown)
        return;
    mDown = down;
    Invalidate();
}

bool CToolbarButtonView::HoldForKey(const CKeyEvent& event)
{
    if (!CaptureMouse(this))
        return false;
    mKeyCode = event.GetKeyCode();
    return true;
}

bool CToolbarButtonView::ReleaseForKey(const CKeyEvent& event)
{
    if (event.GetKind() != kKeyUp || event.GetKeyCode() != mKeyCode || !HasMouseCapture(this))
        return false;
    ReleaseMouseCapture();
    return true;
}

// Push button

CMouseDownResult CToolbarPushButtonView::HandleMouseDown(const CMouseEvent&)
{
    if (!HasMouseCapture(this) && BeginTracking(this))
        ShowDown(true);
    return CMouseDownResult(true);
}

void CToolbarPushButtonView::HandleMouseUp(std::int32_t cause)
{
    ShowDown(false);
    if (cause != kMouseUpReleased)
        return;
    EndTracking(this);
    if (IsHot())
        NotifyClick();
}

bool CToolbarPushButtonView::HandleKeyPress(const CKeyEvent& event)
{
    if (!IsEnabled())
        return false;
    if (IsTrackingView(this))
        return true;
    if (!HoldForKey(event))
        return false;
    ShowDown(true);
    return true;
}

bool CToolbarPushButtonView::HandleKey(const CKeyEvent& event)
{
    if (!ReleaseForKey(event))
        return false;
    ShowDown(false);
    NotifyClick();
    return true;
}

void CToolbarPushButtonView::Click()
{
    if (IsEnabled())
        NotifyClick();
}

// Check-box button

void CToolbarCheckBoxButtonView::NotifyClick()
{
    mRequested = !mChecked;
    CToolbarPushButtonView::NotifyClick();
}

bool CToolbarCheckBoxButtonView::TakeRequestedState(bool& checked)
{
    if (!WasClicked())
        return false;
    checked = mRequested;
    return true;
}

void CToolbarCheckBoxButtonView::SetChecked(bool checked)
{
    if (checked == mChecked)
        return;
    mChecked = checked;
    Invalidate();
}

// Checkable push button

CMouseDownResult CToolbarCheckablePushButtonView::HandleMouseDown(const CMouseEvent&)
{
    if (!HasMouseCapture(this) && BeginTracking(this)) {
        ShowDown(true);
        NotifyClick();
        Invalidate();
    }
    return CMouseDownResult(true);
}

void CToolbarCheckablePushButtonView::HandleMouseUp(std::int32_t cause)
{
    if (cause == kMouseUpReleased) {
        EndTracking(this);
        ShowDown(mChecked);
        TrackHot();
        return;
    }
    ShowDown(mChecked);
}

bool CToolbarCheckablePushButtonView::HandleKeyPress(const CKeyEvent& event)
{
    if (!IsEnabled() || IsTrackingView(this) || !HoldForKey(event))
        return false;
    ShowDown(true);
    NotifyClick();
    return true;
}

bool CToolbarCheckablePushButtonView::HandleKey(const CKeyEvent& event)
{
    if (!ReleaseForKey(event))
        return false;
    ShowDown(mChecked);
    return true;
}

void CToolbarCheckablePushButtonView::Click()
{
    if (!IsEnabled())
        return;
    ShowDown(true);
    NotifyClick();
    ShowDown(mChecked);
    Invalidate();
}

void CToolbarCheckablePushButtonView::SetChecked(bool checked)
{
    if (checked != mChecked) {
        mChecked = checked;
        Invalidate();
    }
    // A held button shows its press until it is let go; the release then shows the state.
    if (!IsTrackingView(this) && !HasMouseCapture(this))
        ShowDown(mChecked);
}

// Radio button

CMouseDownResult CToolbarRadioButtonView::HandleMouseDown(const CMouseEvent& event)
{
    if (mChecked)
        return CMouseDownResult(true);
    return CToolbarPushButtonView::HandleMouseDown(event);
}

bool CToolbarRadioButtonView::HandleKeyPress(const CKeyEvent& event)
{
    if (mChecked)
        return false;
    return CToolbarPushButtonView::HandleKeyPress(event);
}

void CToolbarRadioButtonView::NotifyClick()
{
    // Left set: the owner may look for the clicked one of the set after the notification.
    mClicked = true;
    NotifyViewChanged(this);
}

void CToolbarRadioButtonView::SetChecked(bool checked)
{
    if (checked == mChecked)
        return;
    mChecked = checked;
    Invalidate();
}

// Menu button

CToolbarMenuButtonView::CToolbarMenuButtonView(CABCGroupView* parent, const CBitmapKey& key)
    : CToolbarButtonView(parent, key)
{
    SetFrameRect(CRect(-kMenuWidth, -kHeight, 0, 0));
}

void CToolbarMenuButtonView::Draw(CABCViewDrawSpec& drawSpec)
{
    CABCCanvas* canvas = CanvasOf(drawSpec);
    if (canvas == nullptr)
        return;
    const CRect& frame = *GetFrame();
    const CColor background = CView::GetBackgroundColor(this);
    const std::int32_t appearance = GetAppearance();
    DrawToolbarButton(*canvas, frame, background, appearance, GetBitmap());

    const CClipGuard clip(canvas, frame);
    const CColor dark = GetToolbarDarkColor(background);
    const std::int32_t left = frame.GetLeft();
    const std::int32_t bottom = frame.GetBottom() - 1;
    if (appearance == kToolbarSunk || appearance == kToolbarRaised) {
        // The divider between picture and arrow, sunk or raised with the face.
        const bool sunk = appearance == kToolbarSunk;
        canvas->DrawLine(left + 22, frame.GetTop(), left + 22, bottom, sunk ? kColorWhite : dark);
        canvas->DrawLine(left + 23, frame.GetTop(), left + 23, bottom, sunk ? dark : kColorWhite);
    }
    CColor arrow = kColorBlack;
    if (!IsEnabled())
        arrow = CColor(static_cast<std::uint8_t>((kColorBlack.GetRed() + background.GetRed()) / 2),
                       static_cast<std::uint8_t>((kColorBlack.GetGreen() + background.GetGreen()) / 2),
                       static_cast<std::uint8_t>((kColorBlack.GetBlue() + background.GetBlue()) / 2));
    const std::int32_t shift = IsDown() ? 1 : 0;
    const std::int32_t x = left + 26 + shift;
    const std::int32_t y = frame.GetTop() + 9 + shift;
    for (std::int32_t row = 0; row < 4; ++row) {
        const std::int32_t width = 7 - 2 * row;
        canvas->DrawLine(x + row, y + row, x + row + width - 1, y + row, arrow);
    }
}

CMouseDownResult CToolbarMenuButtonView::HandleMouseDown(const CMouseEvent&)
{
    if (!HasMouseCapture(this)) {
        ShowDown(true);
        NotifyClick();
        ShowDown(false);
    }
    return CMouseDownResult(true);
}

void CToolbarMenuButtonView::HandleMouseUp(std::int32_t cause)
{
    if (cause != kMouseUpReleased) {
        Cancel();
        return;
    }
    EndTracking(this);
    if (IsDown())
        Release();
    else
        Cancel();
    TrackHot();
}

bool CToolbarMenuButtonView::HandleKeyPress(const CKeyEvent& event)
{
    if (!IsEnabled() || IsTrackingView(this) || !HoldForKey(event))
        return false;
    Press();
    return true;
}

bool CToolbarMenuButtonView::HandleKey(const CKeyEvent& event)
{
    if (!ReleaseForKey(event))
        return false;
    Release();
    return true;
}

void CToolbarMenuButtonView::Click()
{
    if (!IsEnabled())
        return;
    Press();
    Release();
    Invalidate();
}

bool CToolbarMenuButtonView::PopUpMenu(CMenu& menu, CMenu*& chosenMenu, std::uint16_t& index)
{
    CRect below = FrameToScreen(*GetFrame());
    below.StepDown();
    return TrackPopupAt(menu, *GetWindow(), below.GetTopLeft(), index, chosenMenu);
}

} // namespace NSTramvell
