#include "framework/views/controls/StaticTextView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/drawing/SystemColors.h"

namespace NSTramvell {
namespace {

CFontSpec MakeInterfaceFont()
{
    CFontSpec font(std::string(), 0);
    MakeSystemFontSpec(font);
    return font;
}

} // namespace

CStaticTextView::CStaticTextView(CABCGroupView* parent, const std::string& text, const CRect& frame)
    : CView(parent, frame)
    , mData(std::make_unique<CStaticTextData>(CStaticTextData{this, MakeInterfaceFont(), text}))
{
}

CStaticTextView::CStaticTextView(CABCGroupView* parent, const CDescription& description)
    : CStaticTextView(parent, description.mText, description.mFrame)
{
}

CStaticTextView::CStaticTextView(CABCGroupView* parent, const CDialogItem& item)
    : CStaticTextView(parent, item.GetText(), item.GetRect())
{
}

CStaticTextView::~CStaticTextView() = default;

CStaticTextView::CDescription CStaticTextView::MakeDescription(const CDialogTemplate& dialogTemplate,
                                                              std::uint16_t itemId)
{
    const CDialogItem item = dialogTemplate.FindItem(itemId);
    return CDescription{item.GetText(), item.GetRect()};
}

void CStaticTextView::EnabledChanged(bool)
{
    // Disabled text has its own colour.
    Invalidate();
}

void CStaticTextView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    canvas->FillRect(*GetFrame(), GetBackgroundColor(this));
    const CColor color = IsEnabled() ? CColor(0, 0, 0) : GetSystemShadowColor();
    canvas->DrawTextInRect(*GetFrame(), mData->mText, mData->mFont, color);
}

void CStaticTextView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CStaticTextView::SetText(const std::string& text)
{
    if (text == mData->mText)
        return;
    mData->mText = text;
    Invalidate();
}

void CStaticTextView::SetFont(const CFontSpec& font)
{
    if (font == mData->mFont)
        return;
    mData->mFont = font;
    Invalidate();
}

} // namespace NSTramvell
