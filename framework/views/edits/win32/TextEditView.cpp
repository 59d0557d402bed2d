#include "framework/views/edits/TextEditView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/shell/Clipboard.h"
#include "framework/gui/windows/Window.h"

#include <vector>

namespace NSTramvell {
namespace {

constexpr std::uint8_t kTabCharacter = 9;

std::intptr_t Send(HWND handle, UINT message, WPARAM first, LPARAM second)
{
    return GetWindowTable().SendMessageA(handle, message, first, second);
}

CModifierKeys ReadModifiers()
{
    CModifierKeys modifiers;
    CModifierKeys::ReadForEvent(modifiers);
    return modifiers;
}

} // namespace

CABCTextEditView::CABCTextEditView(CABCGroupView* parent, const CRect& frame, std::int32_t maximumLength,
                                   std::int32_t flags)
    : CView(parent, frame), mFlags(flags), mMaximumLength(maximumLength)
{
}

CABCTextEditView::~CABCTextEditView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mControl.Destroy();
}

void CABCTextEditView::AttachNativeControl(HWND handle)
{
    mControl.Attach(handle, this);
    Send(handle, EM_LIMITTEXT, static_cast<WPARAM>(mMaximumLength), 0);
}

void CABCTextEditView::EnabledChanged(bool)
{
    mControl.FollowEnabled();
}

void CABCTextEditView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mControl.FollowFrame(oldFrame, newFrame);
}

void CABCTextEditView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mControl.Place();
}

std::intptr_t CABCTextEditView::HandleNativeMessage(std::uint32_t message, std::uintptr_t first,
                                                    std::intptr_t second)
{
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR)
        return HandleNativeKey(message, first, second);
    return mControl.HandleMessage(message, first, second);
}

// The filter has the first word; what it leaves goes to the control when the control acts on it (typed
// characters, editing keys), and to the window otherwise, so that the window's own keys still work.
std::intptr_t CABCTextEditView::HandleNativeKey(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    const CKeyEvent event(message, first, second, static_cast<std::uint32_t>(GetWindowTable().GetMessageTime()),
                          ReadModifiers());
    if (HandleKey(event))
        return 0;
    if (event.HasCharacter() || IsKeyForNativeControl(event))
        return mControl.PassToControl(message, first, second);
    return mControl.PassToWindow(message, first, second);
}

bool CABCTextEditView::HandleKey(const CKeyEvent& event)
{
    const std::uint32_t code = event.GetKeyCode();
    if (code == kKeyEscape || code == kKeyTab)
        return false;
    if (code == kKeyReturn || code == kKeyEnter) {
        if (event.GetKind() == kKeyDown && GetWindow() != nullptr)
            GetWindow()->FocusNextTarget();
        return true;
    }
    if (event.HasCharacter()) {
        // Tab moved the focus as its key went down; its character has nowhere to go.
        if (event.GetCharacter() == kTabCharacter)
            return true;
        return !NotifyTypedCharacter(event.GetCharacter());
    }
    return false;
}

std::int32_t CABCTextEditView::SendChangeNotice(std::int32_t kind)
{
    mChangeKind = kind;
    std::int32_t answer = 0;
    try {
        answer = ChildChanged();
    } catch (...) {
        mChangeKind = kEditNoChange;
        throw;
    }
    mChangeKind = kEditNoChange;
    return answer;
}

bool CABCTextEditView::NotifyTypedCharacter(std::uint8_t character)
{
    mChangeCharacter = character;
    mCharacterAccepted = false;
    const std::int32_t handled = SendChangeNotice(kEditCharacterTyped);
    mChangeCharacter = 0;
    return handled == 0 || mCharacterAccepted;
}

void CABCTextEditView::NotifyKeyChange(const CKeyEvent& event)
{
    mChangeKeyEvent = event;
    SendChangeNotice(kEditKeyChange);
}

void CABCTextEditView::NotifyTextChanged()
{
    SendChangeNotice(kEditTextChanged);
}

void CABCTextEditView::EndChange()
{
    if (mChangeDepth > 0 && --mChangeDepth == 0)
        NotifyTextChanged();
}

std::intptr_t CABCTextEditView::HandleParentNotification(std::uint32_t message, std::uintptr_t first,
                                                         std::intptr_t)
{
    if (message != WM_COMMAND)
        return 1;
    if (HIWORD(first) == EN_CHANGE && mChangeDepth == 0)
        NotifyTextChanged();
    return 0;
}

std::string CABCTextEditView::GetText() const
{
    const int length = GetWindowTable().GetWindowTextLengthA(GetNativeHandle());
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTable().GetWindowTextA(GetNativeHandle(), buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void CABCTextEditView::SetText(const std::string& text)
{
    BeginChange();
    try {
        GetWindowTable().SetWindowTextA(GetNativeHandle(), text.c_str());
    } catch (...) {
        EndChange();
        throw;
    }
    EndChange();
}

void CABCTextEditView::GetSelection(std::int32_t& start, std::int32_t& end) const
{
    DWORD selectionStart = 666;
    DWORD selectionEnd = 666;
    Send(GetNativeHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
         reinterpret_cast<LPARAM>(&selectionEnd));
    start = static_cast<std::int32_t>(selectionStart);
    end = static_cast<std::int32_t>(selectionEnd);
}

void CABCTextEditView::SetSelection(std::int32_t start, std::int32_t end)
{
    Send(GetNativeHandle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void CABCTextEditView::SelectAll()
{
    SetSelection(0, -1);
}

bool CABCTextEditView::HasSelection() const
{
    std::int32_t start = 0;
    std::int32_t end = 0;
    GetSelection(start, end);
    return end > start;
}

void CABCTextEditView::SetMaximumLength(std::int32_t maximumLength)
{
    mMaximumLength = maximumLength;
    Send(GetNativeHandle(), EM_LIMITTEXT, static_cast<WPARAM>(maximumLength), 0);
}

bool CABCTextEditView::FitsLength(std::int32_t count) const
{
    std::int32_t start = 0;
    std::int32_t end = 0;
    GetSelection(start, end);
    return FitsEditLength(GetWindowTable().GetWindowTextLengthA(GetNativeHandle()), end - start, count,
                          mMaximumLength);
}

bool CABCTextEditView::InsertText(const std::string& text)
{
    if (!FitsLength(static_cast<std::int32_t>(text.size())))
        return false;
    BeginChange();
    try {
        Send(GetNativeHandle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    } catch (...) {
        EndChange();
        throw;
    }
    EndChange();
    return true;
}

void CABCTextEditView::Copy()
{
    std::int32_t start = 0;
    std::int32_t end = 0;
    GetSelection(start, end);
    const std::string text = GetText();
    if (end <= start || static_cast<std::size_t>(start) >= text.size())
        return;
    const std::string selected = text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    CClipboardItem item(kTextClippingType);
    // With its own terminator, so that the text ends there whatever the block around it holds.
    item.GetMedia().Write(static_cast<std::int32_t>(selected.size()) + 1, selected.c_str());
    BeginClipboardCopy();
    WriteClipboardFlavour(item);
}

void CABCTextEditView::Clear()
{
    InsertText(std::string());
}

void CABCTextEditView::Cut()
{
    if (!HasSelection())
        return;
    Copy();
    Clear();
}

void CABCTextEditView::Paste()
{
    if (!IsClipboardFlavourAvailable(kTextClippingType))
        return;
    const std::unique_ptr<CClipboardItem> item = ReadClipboardFlavour(kTextClippingType);
    const COwnedMemoryMedia& media = item->GetMedia();
    const std::string block(reinterpret_cast<const char*>(media.GetBuffer()), static_cast<std::size_t>(media.GetSize()));
    std::int32_t start = 0;
    std::int32_t end = 0;
    GetSelection(start, end);
    const std::string text = CutToEditLength(TextBeforeNul(block),
                                             GetWindowTable().GetWindowTextLengthA(GetNativeHandle()), end - start,
                                             mMaximumLength);
    InsertText(text);
}

void CABCTextEditView::EnableMenuCommands(CMenuBar* menuBar)
{
    CApplication* application = CApplication::GetApplication();
    if (menuBar == nullptr || application == nullptr || !IsEnabled())
        return;
    const bool selection = HasSelection();
    const auto enable = [menuBar](std::uint32_t command, bool enabled) {
        if (command != 0 && enabled)
            menuBar->EnableCommand(command, true);
    };
    enable(application->GetCutCommand(), selection);
    enable(application->GetCopyCommand(), selection);
    enable(application->GetClearCommand(), selection);
    enable(application->GetPasteCommand(), IsClipboardFlavourAvailable(kTextClippingType));
    enable(application->GetExtraEditCommand(), GetWindowTable().GetWindowTextLengthA(GetNativeHandle()) > 0);
}

bool CABCTextEditView::DoMenuCommand(const CMenuCommand& command)
{
    CApplication* application = CApplication::GetApplication();
    const std::uint32_t id = command.GetCommandId();
    if (application == nullptr || id == 0 || !IsEnabled())
        return false;
    if (id == application->GetCutCommand())
        Cut();
    else if (id == application->GetCopyCommand())
        Copy();
    else if (id == application->GetPasteCommand())
        Paste();
    else if (id == application->GetClearCommand())
        Clear();
    else if (id == application->GetExtraEditCommand())
        SelectAll();
    else
        return false;
    return true;
}

} // namespace NSTramvell
