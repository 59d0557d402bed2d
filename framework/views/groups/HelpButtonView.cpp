#include "framework/views/groups/HelpButtonView.h"

#include "framework/foundation/strings/StringManager.h"

namespace NSTramvell {

CHelpButtonView::CHelpButtonView(CABCGroupView* parent)
    : CPushButtonView(parent, GetString(kTitleString), kOrdinaryButton, CRect(-100, -26, 0, 0))
{
}

CHelpButtonView::CHelpButtonView(CABCGroupView* parent, const CDescription& description)
    : CPushButtonView(parent, description.mTitle, kOrdinaryButton, description.mFrame)
{
}

} // namespace NSTramvell
