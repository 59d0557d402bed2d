#pragma once

// A plain push button titled "Help" from the framework's common string table. What a press does is up
// to its owner.

#include "framework/views/controls/PushButtonView.h"

namespace NSTramvell {

class CHelpButtonView : public CPushButtonView
{
public:
    // The common string table's entry for the title.
    static constexpr std::int32_t kTitleString = 410000015;

    // Placed off-screen until its owner lays it out.
    explicit CHelpButtonView(CABCGroupView* parent);
    // The description's kind is not used: a help button is never the default button.
    CHelpButtonView(CABCGroupView* parent, const CDescription& description);
};

} // namespace NSTramvell
