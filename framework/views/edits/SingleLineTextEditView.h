#pragma once

// CSingleLineTextEditView, the framework's one-line text edit over the native edit control. Laid out
// from a dialog item, its frame reaches 3 pixels above and 4 below the item, and the control sits 2
// pixels inside the frame at the top and at the bottom.

#include "framework/views/edits/TextEditView.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CDialogItem;
class CDialogTemplate;

class CSingleLineTextEditView : public CABCTextEditView
{
public:
    // The control's id among its window's children.
    static constexpr std::uint16_t kControlId = 512;

    struct CDescription
    {
        CRect mFrame;
        std::int32_t mMaximumLength = 0;
        std::int32_t mFlags = 0;
    };

    CSingleLineTextEditView(CABCGroupView* parent, std::int32_t maximumLength, std::int32_t flags, const CRect& frame);
    CSingleLineTextEditView(CABCGroupView* parent, const CDescription& description);
    // At the item's place, showing its text.
    CSingleLineTextEditView(CABCGroupView* parent, std::int32_t maximumLength, const CDialogItem& item,
                            std::int32_t flags);
    ~CSingleLineTextEditView() override;

    // The view's frame for a layout rectangle.
    static CRect FrameFromLayout(const CRect& layout);
    // From the template's item with the id; XNotFound when it has none.
    static CDescription MakeDescription(const CDialogTemplate& layout, std::uint16_t itemId,
                                        std::int32_t maximumLength, std::int32_t flags);

protected:
    bool IsKeyForNativeControl(const CKeyEvent& event) const override;
    CRect GetControlRect(const CRect& frame) const override;
};

} // namespace NSTramvell
