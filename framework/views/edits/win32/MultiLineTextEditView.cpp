#include "framework/views/edits/MultiLineTextEditView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {
namespace {

constexpr std::uint32_t kMultiLineStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_WANTRETURN | ES_AUTOVSCROLL |
                                          ES_MULTILINE;
static_assert(kMultiLineStyle == 0x50801044);
constexpr std::uint8_t kCarriageReturn = 13;
constexpr std::uint8_t kLineFeed = 10;
constexpr auto kEditKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kEdit);

} // namespace

CMultiLineTextEditView::CMultiLineTextEditView(CABCGroupView* parent, std::int32_t flags)
    : CABCTextEditView(parent, CRect(-100, -100, 0, 0), kMaximumLength, flags)
{
    AttachNativeControl(NSWinControlUtils::CreateNativeControl(*GetWindow(), WS_EX_CLIENTEDGE, kMultiLineStyle,
                                                               kEditKind, "", *GetFrame()));
}

CMultiLineTextEditView::CMultiLineTextEditView(CABCGroupView* parent, const CDescription& description,
                                               std::int32_t flags)
    : CABCTextEditView(parent, description.mFrame, kMaximumLength, flags)
{
    AttachNativeControl(NSWinControlUtils::CreateNativeControl(*GetWindow(), WS_EX_CLIENTEDGE, kMultiLineStyle,
                                                               kEditKind, "", *GetFrame()));
    SetText(description.mText);
}

bool CMultiLineTextEditView::HandleKey(const CKeyEvent& event)
{
    const std::uint32_t code = event.GetKeyCode();
    if (code == kKeyReturn || code == kKeyEnter) {
        if (event.GetKind() == kKeyDown)
            InsertText("\r\n");
        return true;
    }
    // The line end went in as the key went down; the control would add another for the character.
    if (event.GetCharacter() == kCarriageReturn || event.GetCharacter() == kLineFeed)
        return true;
    return CABCTextEditView::HandleKey(event);
}

} // namespace NSTramvell
