#pragma once

// CABCTextEditView, the base of the framework's text edits: a view whose face is a native edit control.
// It reads and writes the whole text, the selection and the length limit, carries out the application's
// edit commands on the clipboard, and reports changes as notices that climb the view tree: while a notice
// climbs, GetChangeKind tells what happened (kEditCharacterTyped with the character, kEditKeyChange with
// the key, kEditTextChanged). Changes made by the view itself are bracketed by BeginChange and EndChange,
// which send one kEditTextChanged for the whole bracket. The forms (multi-line, single-line) make the
// control and hand it over with AttachNativeControl; the view owns it from then on.

#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/MenuCommand.h"
#include "framework/gui/views/View.h"
#include "framework/views/controls/NativeControl.h"
#include "framework/views/edits/EditRules.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CABCTextEditView : public CView,
                         public IFocusTarget,
                         public IKeyboardInput,
                         public IMenuInput,
                         public INativeView,
                         public NSWinControlUtils::IWinControlCallback
{
public:
    ~CABCTextEditView() override;

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec&) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    // The control takes its own presses.
    CMouseDownResult HandleMouseDown(const CMouseEvent&) override { return CMouseDownResult(true); }

    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetView() const override { return const_cast<CABCTextEditView*>(this); }
    CView* GetFocusView() const override { return const_cast<CABCTextEditView*>(this); }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    // The key filter, asked first for every key the control receives: true keeps the key from the control.
    // Escape and Tab go on to the window; Return and Enter move the focus on; a typed character other
    // than Tab is offered as a kEditCharacterTyped notice.
    bool HandleKey(const CKeyEvent& event) override;

    // Cut, Copy, Clear with a selection, Paste with text on the clipboard, Select All with any text; the
    // application's edit command ids, of which 0 names none.
    void EnableMenuCommands(CMenuBar* menuBar) override;
    bool DoMenuCommand(const CMenuCommand& command) override;

    std::string GetText() const;
    void SetText(const std::string& text);
    void GetSelection(std::int32_t& start, std::int32_t& end) const;
    void SetSelection(std::int32_t start, std::int32_t end);
    void SelectAll();
    bool HasSelection() const;
    std::int32_t GetMaximumLength() const { return mMaximumLength; }
    void SetMaximumLength(std::int32_t maximumLength);
    std::int32_t GetFlags() const { return mFlags; }
    // Whether count characters may replace the selection.
    bool FitsLength(std::int32_t count) const;
    // Puts the text in place of the selection when it passes the length test; false leaves all as it was.
    bool InsertText(const std::string& text);

    void Cut();
    void Copy();
    void Paste();
    void Clear();

    std::int32_t GetChangeKind() const { return mChangeKind; }
    std::uint8_t GetChangeCharacter() const { return mChangeCharacter; }
    const CKeyEvent& GetChangeKeyEvent() const { return mChangeKeyEvent; }
    // Inside a kEditCharacterTyped notice: the character goes to the control even though the notice
    // was handled.
    void AcceptTypedCharacter() { mCharacterAccepted = true; }

    void BeginChange() { ++mChangeDepth; }
    // The outermost end sends one kEditTextChanged.
    void EndChange();

protected:
    CABCTextEditView(CABCGroupView* parent, const CRect& frame, std::int32_t maximumLength, std::int32_t flags);

    // Links the control that the form made and sets its length limit; the control is destroyed when the
    // link cannot be made.
    void AttachNativeControl(HWND handle);
    // Keys the control acts on itself rather than the window.
    virtual bool IsKeyForNativeControl(const CKeyEvent& event) const { return IsKeyForEditControl(event); }
    // Where the control lies for a frame of the view.
    virtual CRect GetControlRect(const CRect& frame) const { return frame; }

    // Each sends one notice of its kind; the character's answers whether the control may have it.
    bool NotifyTypedCharacter(std::uint8_t character);
    void NotifyKeyChange(const CKeyEvent& event);
    void NotifyTextChanged();

private:
    std::intptr_t HandleNativeKey(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    std::int32_t SendChangeNotice(std::int32_t kind);

    std::int32_t mFlags;
    std::int32_t mMaximumLength;
    std::int32_t mChangeKind = kEditNoChange;
    std::uint8_t mChangeCharacter = 0;
    bool mCharacterAccepted = false;
    CKeyEvent mChangeKeyEvent;
    std::int32_t mChangeDepth = 0;
    NSWinControlUtils::CNativeControl mControl{*this, NSWinControlUtils::EControlKeys::kAll,
                                               [this](const CRect& frame) { return GetControlRect(frame); }};
};

} // namespace NSTramvell
