#pragma once

// The toolbar's bitmap buttons, drawn by the framework without native controls: a 23 × 22 face holding a
// picture (a 38 × 22 one with a drop-down arrow for menus). Each reports an action with a one-shot flag
// set around its change notification. Hot follows the mouse over the button (MouseEntered / MouseLeft
// from the hover role, or the button's own tracking); down is what the face shows pressed. A key that
// presses a button holds the mouse capture until that key comes up.

#include "framework/gui/images/BitmapKey.h"
#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/views/View.h"

#include <cstdint>

namespace NSTramvell {

class CABCCanvas;
class CKeyEvent;
class CMenu;

inline constexpr std::uint16_t kNoToolbarPicture = 0xFFFF;

// Draws one of the five appearances (kToolbarFaded .. kToolbarSunk) clipped to the frame; the picture
// stands 3 pixels inside the frame's top-left corner. A key of kNoToolbarPicture draws no picture.
void DrawToolbarButton(CABCCanvas& canvas, const CRect& frame, const CColor& background, std::int32_t appearance,
                       const CBitmapKey& key);

class CToolbarButtonView : public CView, public IMouseInput, public IKeyboardInput
{
public:
    static constexpr std::int32_t kWidth = 23;
    static constexpr std::int32_t kHeight = 22;

    void EnabledChanged(bool) override { Invalidate(); }
    void Draw(CABCViewDrawSpec& drawSpec) override;
    // The face hides nothing behind it: the toolbar's ground shows through the picture.
    CRegion GetDrawRegion() const override { return CRegion(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    void MouseEntered() override { SetHot(true); }
    void MouseLeft() override { SetHot(false); }
    bool HandleKey(const CKeyEvent&) override { return false; }

    // Invalidates only for another picture.
    void SetBitmap(const CBitmapKey& key);
    const CBitmapKey& GetBitmap() const { return mKey; }
    // True once after a click was notified.
    bool WasClicked();
    bool IsDown() const { return mDown; }
    bool IsHot() const { return mHot; }
    std::int32_t GetAppearance() const;

protected:
    CToolbarButtonView(CABCGroupView* parent, const CBitmapKey& key);

    // What GetAppearance reads besides enabled, down and hot.
    virtual bool ShowsChecked() const { return false; }
    virtual bool ShowsFeedback() const { return true; }
    virtual void NotifyClick();

    // Each invalidates on a change.
    void SetHot(bool hot);
    void ShowDown(bool down);
    void TrackHot() { SetHot(IsMouseInside()); }
    // Takes the capture for the key; false when the window is not active or another view holds it.
    bool HoldForKey(const CKeyEvent& event);
    // True for the key-up of the key that holds the capture; the capture is released.
    bool ReleaseForKey(const CKeyEvent& event);

    bool mClicked = false;

private:
    CBitmapKey mKey;
    bool mDown = false;
    bool mHot = false;
    std::uint32_t mKeyCode = 0;
};

// Clicks when released over itself.
class CToolbarPushButtonView : public CToolbarButtonView
{
public:
    explicit CToolbarPushButtonView(CABCGroupView* parent, const CBitmapKey& key = CBitmapKey(kNoToolbarPicture))
        : CToolbarButtonView(parent, key)
    {
    }

    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override { TrackHot(); }
    void HandleMouseUp(std::int32_t cause) override;
    void ExtraHookB() override { ShowDown(false); }
    bool HandleKey(const CKeyEvent& event) override;
    // Notifies a click when enabled.
    virtual void Click();

    bool HandleKeyPress(const CKeyEvent& event);
};

// Asks its owner for the other state (TakeRequestedState) and shows a new one only when told
// (SetChecked).
class CToolbarCheckBoxButtonView : public CToolbarPushButtonView
{
public:
    using CToolbarPushButtonView::CToolbarPushButtonView;

    void ExtraHookB() override {}
    // Asks for the other state when enabled.
    void Toggle() { Click(); }
    // True once after a click, with the state asked for.
    bool TakeRequestedState(bool& checked);
    void SetChecked(bool checked);
    bool IsChecked() const { return mChecked; }

protected:
    bool ShowsChecked() const override { return mChecked; }
    void NotifyClick() override;

private:
    bool mChecked = false;
    bool mRequested = false;
};

// Clicks when pressed; it stays down while checked and springs back when its owner leaves it unchecked.
class CToolbarCheckablePushButtonView : public CToolbarButtonView
{
public:
    explicit CToolbarCheckablePushButtonView(CABCGroupView* parent,
                                             const CBitmapKey& key = CBitmapKey(kNoToolbarPicture))
        : CToolbarButtonView(parent, key)
    {
    }

    void EnabledChanged(bool) override {}
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override { ShowDown(IsMouseInside() || mChecked); }
    void HandleMouseUp(std::int32_t cause) override;
    void ExtraHookB() override { ShowDown(mChecked); }
    bool HandleKey(const CKeyEvent& event) override;

    bool HandleKeyPress(const CKeyEvent& event);
    void Click();
    void SetChecked(bool checked);
    bool IsChecked() const { return mChecked; }

protected:
    bool ShowsChecked() const override { return mChecked; }

private:
    bool mChecked = false;
};

// One of a set: a checked radio button takes no presses, and its click stays set until WasClicked.
class CToolbarRadioButtonView : public CToolbarPushButtonView
{
public:
    using CToolbarPushButtonView::CToolbarPushButtonView;

    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void ExtraHookB() override {}
    bool HandleKeyPress(const CKeyEvent& event);
    void SetChecked(bool checked);
    bool IsChecked() const { return mChecked; }

protected:
    bool ShowsChecked() const override { return mChecked; }
    bool ShowsFeedback() const override { return !mChecked; }
    void NotifyClick() override;

private:
    bool mChecked = false;
};

// A wider button with a drop-down arrow: a press notifies at once so that the owner shows its menu
// (PopUpMenu) while the button is down.
class CToolbarMenuButtonView : public CToolbarButtonView
{
public:
    static constexpr std::int32_t kMenuWidth = 38;

    explicit CToolbarMenuButtonView(CABCGroupView* parent, const CBitmapKey& key = CBitmapKey(kNoToolbarPicture));

    void Draw(CABCViewDrawSpec& drawSpec) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void TrackMouse() override { SetDown(IsMouseInside()); }
    void HandleMouseUp(std::int32_t cause) override;
    void ExtraHookB() override { Cancel(); }
    bool HandleKey(const CKeyEvent& event) override;
    virtual void Press() { ShowDown(true); }
    virtual void Release() { ShowDown(false); }
    virtual void Cancel() { ShowDown(false); }
    virtual void SetDown(bool down) { ShowDown(down); }

    bool HandleKeyPress(const CKeyEvent& event);
    void Click();
    // The menu just below the button; true with the chosen item's menu and index.
    bool PopUpMenu(CMenu& menu, CMenu*& chosenMenu, std::uint16_t& index);
};

} // namespace NSTramvell
