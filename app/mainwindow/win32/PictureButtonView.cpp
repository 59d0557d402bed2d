#include "app/mainwindow/PictureButtonView.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControl.h"
#include "framework/views/controls/NativeWindowHandle.h"

using NSTramvell::CBitmapKey;
using NSTramvell::CRect;
using NSTramvell::CRegion;
using NSTramvell::GetWindowTable;
using NSWinControlUtils::CNativeControl;
using NSWinControlUtils::EControlKeys;

namespace {

constexpr DWORD kIconButtonStyle = WS_CHILD | WS_VISIBLE | BS_ICON;
constexpr auto kPushButtonKind = static_cast<std::int32_t>(NSWinControlUtils::ENativeControlKind::kPushButton);
constexpr int kImageSize = 40;
constexpr UINT kImageListFlags = ILC_COLOR32 | ILC_MASK;
constexpr int kImageMargin = 3;

BUTTON_IMAGELIST MakeEmptyImages()
{
    BUTTON_IMAGELIST images{};
    images.margin = {kImageMargin, kImageMargin, kImageMargin, kImageMargin};
    images.uAlign = BUTTON_IMAGELIST_ALIGN_CENTER;
    return images;
}

} // namespace

// Owns the native icon button and everything it shows, and answers for it: focus notices, the enable
// message that switches the picture, keys, and the click the button reports to its parent window.
class CPictureButtonViewImplementation : public NSWinControlUtils::IWinControlCallback
{
public:
    CPictureButtonViewImplementation(CPictureButtonView* view, const CBitmapKey& key,
                                     IPictureButtonPushListener* listener);
    ~CPictureButtonViewImplementation() override;
    CPictureButtonViewImplementation(const CPictureButtonViewImplementation&) = delete;
    CPictureButtonViewImplementation& operator=(const CPictureButtonViewImplementation&) = delete;

    NSTramvell::CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mControl.GetHandle(); }
    NSTramvell::CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    CNativeControl& GetControl() { return mControl; }
    NSTramvell::CMouseDownResult HandleMouseDown();
    HIMAGELIST GetImageList(bool enabled) const { return enabled ? mEnabledImages.himl : mDisabledImages.himl; }

private:
    HICON LoadIcon(std::uint16_t resourceId) const;
    static HIMAGELIST MakeImageList(HICON icon);
    void ShowImages(BUTTON_IMAGELIST& images);
    // Only a button the user can see and use tells the listener: a disabled one may still get a command
    // (a sent click), and one on a hidden page may still hold the focus.
    bool MayPush() const;
    void PushIfAllowed();
    void ReleasePictures() noexcept;

    CPictureButtonView* mView;               // borrowed: the view owns this object
    IPictureButtonPushListener* mListener;   // borrowed, may be null
    HICON mEnabledIcon = nullptr;
    HICON mDisabledIcon = nullptr;
    BUTTON_IMAGELIST mEnabledImages = MakeEmptyImages();
    BUTTON_IMAGELIST mDisabledImages = MakeEmptyImages();
    CNativeControl mControl;
};

CPictureButtonViewImplementation::CPictureButtonViewImplementation(CPictureButtonView* view, const CBitmapKey& key,
                                                                   IPictureButtonPushListener* listener)
    : mView(view), mListener(listener), mControl(*view, EControlKeys::kSpaceWhileShown)
{
    try {
        mControl.Create(this, kIconButtonStyle, kPushButtonKind, "");
        mEnabledIcon = LoadIcon(key.GetResourceId());
        const auto disabledIcon = key.GetResourceId() + CPictureButtonView::kDisabledIconOffset;
        mDisabledIcon = LoadIcon(static_cast<std::uint16_t>(disabledIcon));
        mEnabledImages.himl = MakeImageList(mEnabledIcon);
        mDisabledImages.himl = MakeImageList(mDisabledIcon);
        if (NSTramvell::PassNativeWindowMessage(GetNativeHandle(), BCM_SETIMAGELIST, 0,
                                                reinterpret_cast<std::intptr_t>(&mEnabledImages)) == 0)
            throw NSTramvell::XBase();
    } catch (...) {
        mControl.Discard();
        ReleasePictures();
        throw;
    }
}

// The button goes before the pictures it shows.
CPictureButtonViewImplementation::~CPictureButtonViewImplementation()
{
    mControl.Destroy();
    ReleasePictures();
}

void CPictureButtonViewImplementation::ReleasePictures() noexcept
{
    NSTramvell::CWindowTable& table = GetWindowTable();
    if (mEnabledImages.himl != nullptr)
        table.ImageList_Destroy(mEnabledImages.himl);
    if (mDisabledImages.himl != nullptr)
        table.ImageList_Destroy(mDisabledImages.himl);
    mEnabledImages.himl = mDisabledImages.himl = nullptr;
    if (mEnabledIcon != nullptr)
        table.DestroyIcon(mEnabledIcon);
    if (mDisabledIcon != nullptr)
        table.DestroyIcon(mDisabledIcon);
    mEnabledIcon = mDisabledIcon = nullptr;
}

HICON CPictureButtonViewImplementation::LoadIcon(std::uint16_t resourceId) const
{
    const NSTramvell::CABCCodeModule* module = NSTramvell::CABCCodeModule::GetCurrent();
    const HINSTANCE instance = module != nullptr ? module->GetInstanceHandle() : nullptr;
    const HANDLE icon = GetWindowTable().LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, 0, 0, 0);
    if (icon == nullptr)
        throw NSTramvell::XBase();
    return static_cast<HICON>(icon);
}

HIMAGELIST CPictureButtonViewImplementation::MakeImageList(HICON icon)
{
    NSTramvell::CWindowTable& table = GetWindowTable();
    const HIMAGELIST list = table.ImageList_Create(kImageSize, kImageSize, kImageListFlags, 1, 0);
    if (list == nullptr)
        throw NSTramvell::XBase();
    if (table.ImageList_ReplaceIcon(list, -1, icon) == -1) {
        table.ImageList_Destroy(list);
        throw NSTramvell::XBase();
    }
    return list;
}

void CPictureButtonViewImplementation::ShowImages(BUTTON_IMAGELIST& images)
{
    NSTramvell::PassNativeWindowMessage(GetNativeHandle(), BCM_SETIMAGELIST, 0,
                                        reinterpret_cast<std::intptr_t>(&images));
}

std::intptr_t CPictureButtonViewImplementation::HandleNativeMessage(std::uint32_t message, std::uintptr_t first,
                                                                    std::intptr_t second)
{
    if (message == WM_ENABLE)
        ShowImages(first == TRUE ? mEnabledImages : mDisabledImages);
    return mControl.HandleMessage(message, first, second);
}

std::intptr_t CPictureButtonViewImplementation::HandleParentNotification(std::uint32_t message, std::uintptr_t,
                                                                         std::intptr_t)
{
    if (message != WM_COMMAND)
        return 1;
    PushIfAllowed();
    return 0;
}

bool CPictureButtonViewImplementation::MayPush() const
{
    return mListener != nullptr && mView->IsEnabled() && NSWinControlUtils::IsVisibleInWindow(*mView);
}

void CPictureButtonViewImplementation::PushIfAllowed()
{
    if (MayPush())
        mListener->PictureButtonPushed(mView);
}

NSTramvell::CMouseDownResult CPictureButtonViewImplementation::HandleMouseDown()
{
    PushIfAllowed();
    return NSTramvell::CMouseDownResult(true);
}

CPictureButtonView::CDescription CPictureButtonView::MakeDescription(const NSTramvell::CDialogTemplate& layout,
                                                                     std::uint16_t itemId, const CBitmapKey& key)
{
    return CDescription{layout.FindItem(itemId).GetRect(), key};
}

CPictureButtonView::CPictureButtonView(NSTramvell::CABCGroupView* parent, const CDescription& description,
                                       IPictureButtonPushListener* listener)
    : CPictureButtonView(parent, description.mFrame, description.mBitmapKey, listener)
{
}

CPictureButtonView::CPictureButtonView(NSTramvell::CABCGroupView* parent, const CRect& frame, const CBitmapKey& key,
                                       IPictureButtonPushListener* listener)
    : CView(parent, frame)
    , mImplementation(std::make_unique<CPictureButtonViewImplementation>(this, key, listener))
{
}

CPictureButtonView::~CPictureButtonView()
{
    if (GetWindow() != nullptr)
        GetWindow()->DropFocusIfHeldBy(this);
    mImplementation.reset();
}

void CPictureButtonView::EnabledChanged(bool)
{
    mImplementation->GetControl().FollowEnabled();
}

CRegion CPictureButtonView::GetInnerRegion() const
{
    CRect inner = *GetFrame();
    inner.Inset(2);
    return CRegion(inner);
}

void CPictureButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mImplementation->GetControl().FollowFrame(oldFrame, newFrame);
}

void CPictureButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mImplementation->GetControl().Place();
}

NSTramvell::CMouseDownResult CPictureButtonView::HandleMouseDown(const NSTramvell::CMouseEvent&)
{
    return mImplementation->HandleMouseDown();
}

// The window layer asks for the handle while the view is being made and unmade.
HWND CPictureButtonView::GetNativeHandle() const
{
    return mImplementation != nullptr ? mImplementation->GetNativeHandle() : nullptr;
}

HIMAGELIST CPictureButtonView::GetImageList(bool enabled) const
{
    return mImplementation->GetImageList(enabled);
}
