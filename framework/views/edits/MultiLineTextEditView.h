#pragma once

// The multi-line text edit: Return and Enter put a line end where the selection is, instead of moving
// the focus on; everything else is the text-edit base's.

#include "framework/views/edits/TextEditView.h"

namespace NSTramvell {

class CMultiLineTextEditView : public CABCTextEditView
{
public:
    static constexpr std::int32_t kMaximumLength = 32767;

    struct CDescription
    {
        CRect mFrame;
        std::string mText;
    };

    // Laid out later: an off-screen start frame.
    CMultiLineTextEditView(CABCGroupView* parent, std::int32_t flags);
    CMultiLineTextEditView(CABCGroupView* parent, const CDescription& description, std::int32_t flags);

    bool HandleKey(const CKeyEvent& event) override;
};

} // namespace NSTramvell
