#pragma once

// CStaticTextView, a line or block of text in the platform's interface font, drawn by the framework over
// the background of the view that encloses it. It is no native control: its native handle is null.

#include "framework/gui/drawing/FontSpec.h"
#include "framework/gui/views/View.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CDialogItem;
class CDialogTemplate;
class CStaticTextView;

// The text and its font.
struct CStaticTextData
{
    CStaticTextView* mView;   // borrowed: the view owns this record
    CFontSpec mFont;
    std::string mText;
};

class CStaticTextView : public CView, public INativeView
{
public:
    // What a dialog item gives for a text.
    struct CDescription
    {
        std::string mText;
        CRect mFrame;
    };

    CStaticTextView(CABCGroupView* parent, const std::string& text, const CRect& frame);
    CStaticTextView(CABCGroupView* parent, const CDescription& description);
    // The item's text and rectangle unchanged.
    CStaticTextView(CABCGroupView* parent, const CDialogItem& item);
    ~CStaticTextView() override;

    // The item's text and rectangle unchanged; XNotFound for a missing item.
    static CDescription MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId);

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    HWND GetNativeHandle() const override { return nullptr; }

    // Each invalidates the view only when it changes what is shown.
    void SetText(const std::string& text);
    std::string GetText() const { return mData->mText; }
    void SetFont(const CFontSpec& font);
    const CFontSpec& GetFont() const { return mData->mFont; }

private:
    std::unique_ptr<CStaticTextData> mData;
};

} // namespace NSTramvell
