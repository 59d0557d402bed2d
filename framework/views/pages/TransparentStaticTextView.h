#pragma once

// CTransparentStaticTextView draws a text with the framework's canvas instead of a native static control,
// so whatever lies beneath it (a skin bitmap) shows through around the letters. The text is wrapped inside
// the frame or drawn as one line; nothing else is painted. A disabled view draws its text halfway between
// the text colour and the disabled mix colour.

#include "framework/gui/drawing/FontSpec.h"
#include "framework/gui/views/View.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CABCGroupView;
class CDialogTemplate;

class CTransparentStaticTextView : public CView
{
public:
    // What a text view is made from: a dialog-template item's frame and text, with a font and the
    // wrapping flag (nonzero: wrapped inside the frame; 0: one line).
    struct CDescription
    {
        std::string mText;
        CRect mFrame;
        CFontSpec mFont;
        std::int32_t mMultiLine;
    };

    CTransparentStaticTextView(CABCGroupView* parent, const CDescription& description);
    CTransparentStaticTextView(CABCGroupView* parent, const std::string& text, const CFontSpec& font,
                               const CRect& frame, std::int32_t multiLine);

    // The item's text and frame, relative to the template's origin, with the font and wrapping flag;
    // XNotFound for a missing item.
    static CDescription MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId,
                                        const CFontSpec& font, std::int32_t multiLine);

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec& drawSpec) override;
    // Never covers its background.
    CRegion GetDrawRegion() const override { return CRegion(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;

    // Each setter invalidates only when the value changes.
    void SetText(const std::string& text);
    void SetFont(const CFontSpec& font);
    void SetTextColor(const CColor& color);
    void SetDisabledMixColor(const CColor& color);
    std::string GetText() const { return mText; }
    CFontSpec GetFont() const { return mFont; }
    CColor GetTextColor() const { return mTextColor; }
    bool IsMultiLine() const { return mMultiLine != 0; }

private:
    CColor GetDisabledColor() const;

    CFontSpec mFont;
    std::string mText;
    CColor mTextColor;
    CColor mDisabledMixColor;
    std::int32_t mMultiLine;
};

} // namespace NSTramvell
