#pragma once

// A group around a single-line edit that takes only decimal digits. The number typed is offered to the
// owner (TakeChangedValue, inside the change notification) when it differs from the value last set;
// the owner decides with SetValue.

#include "framework/gui/views/GroupView.h"
#include "framework/views/edits/SingleLineTextEditView.h"

#include <cstdint>

namespace NSTramvell {

class CIntegerTextEditView : public CStandardGroupView
{
public:
    CIntegerTextEditView(CABCGroupView* parent, std::int32_t maximumLength, std::int32_t flags);
    CIntegerTextEditView(CABCGroupView* parent, std::int32_t maximumLength, const CRect& frame, std::int32_t flags);
    ~CIntegerTextEditView() override;

    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    std::int32_t ChildChanged() override;

    std::int32_t GetValue() const { return mValue; }
    // Shows the value; a value set is never offered back.
    void SetValue(std::int32_t value);
    // True once per offered value, inside its change notification.
    bool TakeChangedValue(std::int32_t& value);
    std::int32_t GetMaximumLength() const { return mMaximumLength; }
    CSingleLineTextEditView& GetEdit() { return mEdit; }
    // The edit joins, or leaves, the Tab order of the window.
    void RegisterEdit();
    void UnregisterEdit();

private:
    CSingleLineTextEditView mEdit;
    std::int32_t mValue = 0;
    bool mChanged = false;
    std::int32_t mPendingValue = 0;
    std::int32_t mMaximumLength;
};

} // namespace NSTramvell
