#include "framework/views/choices/FaderView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControl.h"

namespace NSTramvell {

using NSWinControlUtils::CNativeControl;
using NSWinControlUtils::EControlKeys;

namespace {

constexpr auto kSliderKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kSlider);
constexpr std::int32_t kEndTrackCode = TB_ENDTRACK;

} // namespace

// Owns the trackbar and answers for it.
class CFaderViewImplementation : public NSWinControlUtils::IWinControlCallback
{
public:
    CFaderViewImplementation(CFaderView* view, std::int32_t orientation, std::int32_t tickPlacement,
                             std::uint16_t maximum);
    ~CFaderViewImplementation() override { mControl.Destroy(); }
    CFaderViewImplementation(const CFaderViewImplementation&) = delete;
    CFaderViewImplementation& operator=(const CFaderViewImplementation&) = delete;

    CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override
    {
        return mControl.HandleMessage(message, first, second);
    }
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    void SetValue(std::uint16_t value);
    void SetMaximum(std::uint16_t maximum);
    void OfferValue(std::uint16_t value);
    bool TakePendingValue(std::uint16_t& value);
    CNativeControl& GetControl() { return mControl; }

    std::int32_t GetOrientation() const { return mOrientation; }
    std::uint16_t GetMaximum() const { return mMaximum; }
    std::uint16_t GetValue() const { return mValue; }

private:
    void SendRange();
    void SendPosition();
    std::int32_t ReadPosition() const;

    CFaderView* mView;   // borrowed: the view owns this object
    std::int32_t mOrientation;
    std::int32_t mTickPlacement;
    std::uint16_t mMaximum;
    std::uint16_t mPageSize;
    std::uint16_t mValue = 0;
    std::uint16_t mPendingValue = 0;
    bool mChoosing = false;
    CNativeControl mControl;
};

CFaderViewImplementation::CFaderViewImplementation(CFaderView* view, std::int32_t orientation,
                                                   std::int32_t tickPlacement, std::uint16_t maximum)
    : mView(view)
    , mOrientation(orientation)
    , mTickPlacement(tickPlacement)
    , mMaximum(maximum)
    , mPageSize(GetFaderPageSize(maximum))
    , mControl(*view, EControlKeys::kArrowsAndPaging)
{
    mControl.Create(this, GetFaderStyle(orientation, tickPlacement), kSliderKind, "");
    SendRange();
    SendPosition();
}

void CFaderViewImplementation::SendRange()
{
    GetWindowTable().SendMessageA(GetNativeHandle(), TBM_SETRANGE, FALSE, MAKELPARAM(0, mMaximum));
    GetWindowTable().SendMessageA(GetNativeHandle(), TBM_SETPAGESIZE, 0, mPageSize);
}

void CFaderViewImplementation::SendPosition()
{
    GetWindowTable().SendMessageA(GetNativeHandle(), TBM_SETPOS, TRUE,
                                  FaderValueToPosition(mOrientation, mMaximum, mValue));
}

std::int32_t CFaderViewImplementation::ReadPosition() const
{
    return static_cast<std::int32_t>(GetWindowTable().SendMessageA(GetNativeHandle(), TBM_GETPOS, 0, 0));
}

void CFaderViewImplementation::SetValue(std::uint16_t value)
{
    if (value == mValue)
        return;
    mValue = value;
    // While the user drags, the thumb already stands where the accepted value puts it.
    if (GetWindowTable().GetCapture() == GetNativeHandle() &&
        ReadPosition() == FaderValueToPosition(mOrientation, mMaximum, value))
        return;
    SendPosition();
}

void CFaderViewImplementation::SetMaximum(std::uint16_t maximum)
{
    if (mValue > maximum)
        mValue = maximum;
    mMaximum = maximum;
    mPageSize = GetFaderPageSize(maximum);
    SendRange();
    // A vertical fader's position counts from the maximum, so every new maximum moves it.
    SendPosition();
}

void CFaderViewImplementation::OfferValue(std::uint16_t value)
{
    mPendingValue = value;
    mChoosing = true;
    try {
        CView::NotifyViewChanged(mView);
    } catch (...) {
        mChoosing = false;
        throw;
    }
    mChoosing = false;
}

bool CFaderViewImplementation::TakePendingValue(std::uint16_t& value)
{
    if (!mChoosing)
        return false;
    value = mPendingValue;
    mPendingValue = 0;
    mChoosing = false;
    return true;
}

std::intptr_t CFaderViewImplementation::HandleParentNotification(std::uint32_t message, std::uintptr_t first,
                                                                 std::intptr_t)
{
    if (message != WM_HSCROLL && message != WM_VSCROLL)
        return 0;
    const auto code = static_cast<std::int32_t>(LOWORD(first));
    if (code == kEndTrackCode) {
        SendPosition();
        return 0;
    }
    const std::int32_t position =
        code == TB_THUMBTRACK || code == TB_THUMBPOSITION ? static_cast<std::int32_t>(HIWORD(first)) : ReadPosition();
    OfferValue(FaderPositionToValue(mOrientation, mMaximum, position));
    return 0;
}

CFaderDescription CFaderDescription::Make(const CDialogTemplate& dialogTemplate, std::uint16_t itemId,
                                          std::int32_t orientation, std::int32_t tickPlacement, std::uint16_t maximum)
{
    return CFaderDescription{ThickenFaderFrame(dialogTemplate.GetItemRect(itemId), orientation), orientation,
                             tickPlacement, maximum};
}

CFaderView::CFaderView(CABCGroupView* parent, const CRect& frame, std::int32_t orientation,
                       std::int32_t tickPlacement, std::uint16_t maximum)
    : CFaderView(parent, orientation, tickPlacement, ThickenFaderFrame(frame, orientation), maximum)
{
}

CFaderView::CFaderView(CABCGroupView* parent, std::int32_t orientation, std::int32_t tickPlacement,
                       const CRect& frame, std::uint16_t maximum)
    : CView(parent, frame)
    , mImplementation(std::make_unique<CFaderViewImplementation>(this, orientation, tickPlacement, maximum))
{
}

CFaderView::CFaderView(CABCGroupView* parent, const CFaderDescription& description)
    : CFaderView(parent, description.mOrientation, description.mTickPlacement, description.mFrame,
                 description.mMaximum)
{
}

CFaderView::~CFaderView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mImplementation.reset();
}

HWND CFaderView::GetNativeHandle() const
{
    return mImplementation != nullptr ? mImplementation->GetNativeHandle() : nullptr;
}

void CFaderView::EnabledChanged(bool)
{
    mImplementation->GetControl().FollowEnabled();
}

void CFaderView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mImplementation->GetControl().FollowFrame(oldFrame, newFrame);
}

void CFaderView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mImplementation->GetControl().Place();
}

std::uint16_t CFaderView::GetValue() const
{
    return mImplementation->GetValue();
}

void CFaderView::SetValue(std::uint16_t value)
{
    mImplementation->SetValue(value);
}

void CFaderView::SetMaximum(std::uint16_t maximum)
{
    mImplementation->SetMaximum(maximum);
}

std::uint16_t CFaderView::GetMaximum() const
{
    return mImplementation->GetMaximum();
}

std::int32_t CFaderView::GetOrientation() const
{
    return mImplementation->GetOrientation();
}

bool CFaderView::IsTracking() const
{
    return IsTrackingView(this);
}

void CFaderView::OfferValue(std::uint16_t value)
{
    mImplementation->OfferValue(value);
}

bool CFaderView::TakePendingValue(std::uint16_t& value)
{
    return mImplementation->TakePendingValue(value);
}

} // namespace NSTramvell
