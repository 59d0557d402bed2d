#include "framework/views/edits/SingleLineTextEditView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/scrolling/SingleLineKeys.h"

namespace NSTramvell {

namespace {
// Child, visible, bordered, scrolling sideways as the text grows.
constexpr std::uint32_t kSingleLineStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
static_assert(kSingleLineStyle == 0x50800080);
constexpr auto kEditKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kEdit);
} // namespace

CSingleLineTextEditView::CSingleLineTextEditView(CABCGroupView* parent, std::int32_t maximumLength,
                                                 std::int32_t flags, const CRect& frame)
    : CABCTextEditView(parent, frame, maximumLength, flags)
{
    AttachNativeControl(NSWinControlUtils::CreateNativeControl(*GetWindow(), 0, kSingleLineStyle, kEditKind, "",
                                                               GetControlRect(frame), kControlId));
}

CSingleLineTextEditView::CSingleLineTextEditView(CABCGroupView* parent, const CDescription& description)
    : CSingleLineTextEditView(parent, description.mMaximumLength, description.mFlags, description.mFrame)
{
}

CSingleLineTextEditView::CSingleLineTextEditView(CABCGroupView* parent, std::int32_t maximumLength,
                                                 const CDialogItem& item, std::int32_t flags)
    : CSingleLineTextEditView(parent, maximumLength, flags, FrameFromLayout(item.GetRect()))
{
    SetText(item.GetText());
}

CSingleLineTextEditView::~CSingleLineTextEditView() = default;

CRect CSingleLineTextEditView::FrameFromLayout(const CRect& layout)
{
    return CRect(layout.GetLeft(), layout.GetTop() - 3, layout.GetRight(), layout.GetBottom() + 4);
}

CSingleLineTextEditView::CDescription CSingleLineTextEditView::MakeDescription(const CDialogTemplate& layout,
                                                                               std::uint16_t itemId,
                                                                               std::int32_t maximumLength,
                                                                               std::int32_t flags)
{
    return CDescription{FrameFromLayout(layout.GetItemRect(itemId)), maximumLength, flags};
}

bool CSingleLineTextEditView::IsKeyForNativeControl(const CKeyEvent& event) const
{
    return IsKeyForSingleLineControl(event);
}

CRect CSingleLineTextEditView::GetControlRect(const CRect& frame) const
{
    return CRect(frame.GetLeft(), frame.GetTop() + 2, frame.GetRight(), frame.GetBottom() - 2);
}

} // namespace NSTramvell
