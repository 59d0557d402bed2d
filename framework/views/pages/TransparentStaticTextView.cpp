#include "framework/views/pages/TransparentStaticTextView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/ColorMixing.h"
#include "framework/gui/drawing/DrawingFunctions.h"
#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/DrawSpecs.h"

namespace NSTramvell {

CTransparentStaticTextView::CTransparentStaticTextView(CABCGroupView* parent, const CDescription& description)
    : CTransparentStaticTextView(parent, description.mText, description.mFont, description.mFrame,
                                 description.mMultiLine)
{
}

CTransparentStaticTextView::CTransparentStaticTextView(CABCGroupView* parent, const std::string& text,
                                                       const CFontSpec& font, const CRect& frame,
                                                       std::int32_t multiLine)
    : CView(parent, frame)
    , mFont(font)
    , mText(text)
    , mMultiLine(multiLine)
{
}

CTransparentStaticTextView::CDescription CTransparentStaticTextView::MakeDescription(
    const CDialogTemplate& dialogTemplate, std::uint16_t itemId, const CFontSpec& font, std::int32_t multiLine)
{
    const CDialogItem item = dialogTemplate.FindItem(itemId);
    return CDescription{item.GetText(), item.GetRect(), font, multiLine};
}

CColor CTransparentStaticTextView::GetDisabledColor() const
{
    return MixColorsHalf(mTextColor, mDisabledMixColor);
}

void CTransparentStaticTextView::EnabledChanged(bool)
{
    // With a mix colour that leaves the text colour as it is, nothing changes on screen.
    if (GetDisabledColor() != mTextColor)
        Invalidate();
}

void CTransparentStaticTextView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* const canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect frame = *GetFrame();
    const CClipGuard clip(canvas, frame);
    const CColor color = IsEnabled() ? mTextColor : GetDisabledColor();
    if (mMultiLine != 0)
        canvas->DrawTextInRect(frame, mText, mFont, color);
    else
        DrawTextInRect(*canvas, frame, mText, mFont, color);
}

void CTransparentStaticTextView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CTransparentStaticTextView::SetText(const std::string& text)
{
    if (text == mText)
        return;
    mText = text;
    Invalidate();
}

void CTransparentStaticTextView::SetFont(const CFontSpec& font)
{
    if (font == mFont)
        return;
    mFont = font;
    Invalidate();
}

void CTransparentStaticTextView::SetTextColor(const CColor& color)
{
    if (color == mTextColor)
        return;
    mTextColor = color;
    Invalidate();
}

void CTransparentStaticTextView::SetDisabledMixColor(const CColor& color)
{
    if (color == mDisabledMixColor)
        return;
    mDisabledMixColor = color;
    Invalidate();
}

} // namespace NSTramvell
