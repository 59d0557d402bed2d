#include "framework/views/edits/IntegerTextEditView.h"

#include "framework/foundation/strings/StringUtilities.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/edits/EditRules.h"

#include <string>

namespace NSTramvell {

namespace {
const std::string kDigits = "0123456789";
} // namespace

CIntegerTextEditView::CIntegerTextEditView(CABCGroupView* parent, std::int32_t maximumLength, std::int32_t flags)
    : CStandardGroupView(parent, CRect())
    , mEdit(this, maximumLength, flags, CRect(-100, -26, 0, 0))
    , mMaximumLength(maximumLength)
{
}

CIntegerTextEditView::CIntegerTextEditView(CABCGroupView* parent, std::int32_t maximumLength, const CRect& frame,
                                           std::int32_t flags)
    : CStandardGroupView(parent, frame)
    , mEdit(this, maximumLength, flags, CRect(-100, -26, 0, 0))
    , mMaximumLength(maximumLength)
{
    mEdit.SetFrame(frame);
}

CIntegerTextEditView::~CIntegerTextEditView() = default;

void CIntegerTextEditView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mEdit.SetFrame(newFrame);
    CStandardGroupView::FrameChanged(oldFrame, newFrame);
}

std::int32_t CIntegerTextEditView::ChildChanged()
{
    switch (mEdit.GetChangeKind()) {
    case kEditCharacterTyped:
        if (kDigits.find(static_cast<char>(mEdit.GetChangeCharacter())) != std::string::npos)
            mEdit.AcceptTypedCharacter();
        return 1;
    case kEditTextChanged: {
        std::int32_t typed = 0;
        if (!StringToInt(mEdit.GetText(), typed))
            typed = 0;
        if (typed != mValue) {
            mPendingValue = typed;
            mChanged = true;
            // To the owner: this view's own ChildChanged is the edit's listener.
            CStandardGroupView::ChildChanged();
            mChanged = false;
        }
        return 1;
    }
    default:
        return CStandardGroupView::ChildChanged();
    }
}

void CIntegerTextEditView::SetValue(std::int32_t value)
{
    mValue = value;
    mEdit.SetText(RealToString(value, 0));
}

bool CIntegerTextEditView::TakeChangedValue(std::int32_t& value)
{
    if (!mChanged)
        return false;
    mChanged = false;
    value = mPendingValue;
    return true;
}

void CIntegerTextEditView::RegisterEdit()
{
    if (GetWindow() != nullptr)
        GetWindow()->AddFocusTarget(&mEdit);
}

void CIntegerTextEditView::UnregisterEdit()
{
    if (GetWindow() != nullptr)
        GetWindow()->RemoveFocusTarget(&mEdit);
}

} // namespace NSTramvell
