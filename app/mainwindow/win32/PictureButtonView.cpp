#include "app/mainwindow/PictureButtonView.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/controls/NativeWindowHandle.h"

using NSTramvell::CBitmapKey;
using NSTramvell::CRect;
using NSTramvell::CRegion;
using NSTramvell::GetWindowTable;
using NSWinControlUtils::CNativeControlLink;

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
    CPictureButtonViewImplementation(CPictureButtonView* view, const CRect& frame, const CBitmapKey& key,
                                     IPictureButtonPushListener* listener);
    ~CPictureButtonViewImplementation() override;
    CPictureButtonViewImplementation(const CPictureButtonViewImplementation&) = delete;
    CPictureButtonViewImplementation& operator=(const CPictureButtonViewImplementation&) = delete;

    NSTramvell::CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mHandle; }
    NSTramvell::CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

    void EnabledChanged();
    void PlaceControl();
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
    void CleanUp() noexcept;

    CPictureButtonView* mView;               // borrowed: the view owns this object
    IPictureButtonPushListener* mListener;   // borrowed, may be null
    HWND mHandle = nullptr;
    HICON mEnabledIcon = nullptr;
    HICON mDisabledIcon = nullptr;
    BUTTON_IMAGELIST mEnabledImages = MakeEmptyImages();
    BUTTON_IMAGELIST mDisabledImages = MakeEmptyImages();
    std::unique_ptr<CNativeControlLink> mLink;
};

CPictureButtonViewImplementation::CPictureButtonViewImplementation(CPictureButtonView* view, const CRect& frame,
                                                                   const CBitmapKey& key,
                                                                   IPictureButtonPushListener* listener)
    : mView(view), mListener(listener)
{
    try {
        mHandle = NSWinControlUtils::CreateNativeControl(*view->GetWindow(), 0, kIconButtonStyle, kPushButtonKind, "",
                                                         frame);
        mLink = std::make_unique<CNativeControlLink>(mHandle, this);
        mEnabledIcon = LoadIcon(key.GetResourceId());
        const auto disabledIcon = key.GetResourceId() + CPictureButtonView::kDisabledIconOffset;
        mDisabledIcon = LoadIcon(static_cast<std::uint16_t>(disabledIcon));
        mEnabledImages.himl = MakeImageList(mEnabledIcon);
        mDisabledImages.himl = MakeImageList(mDisabledIcon);
        if (NSTramvell::PassNativeWindowMessage(mHandle, BCM_SETIMAGELIST, 0,
                                                reinterpret_cast<std::intptr_t>(&mEnabledImages)) == 0)
            throw NSTramvell::XBase();
    } catch (...) {
        CleanUp();
        throw;
    }
}

CPictureButtonViewImplementation::~CPictureButtonViewImplementation()
{
    mView->SetToolTipText(std::string());
    CleanUp();
}

void CPictureButtonViewImplementation::CleanUp() noexcept
{
    NSTramvell::CWindowTable& table = GetWindowTable();
    if (mHandle != nullptr) {
        NSWinControlUtils::DestroyNativeControl(mHandle);
        mHandle = nullptr;
    }
    mLink.reset();
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
    NSTramvell::PassNativeWindowMessage(mHandle, BCM_SETIMAGELIST, 0, reinterpret_cast<std::intptr_t>(&images));
}

std::intptr_t CPictureButtonViewImplementation::HandleNativeMessage(std::uint32_t message, std::uintptr_t first,
                                                                    std::intptr_t second)
{
    switch (message) {
    case WM_SETFOCUS:
        NSWinControlUtils::NotifyNativeFocusGained(mHandle, message, first, second);
        break;
    case WM_KILLFOCUS:
        NSWinControlUtils::NotifyNativeFocusLost(mHandle);
        break;
    case WM_ENABLE:
        ShowImages(first == TRUE ? mEnabledImages : mDisabledImages);
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (first != VK_SPACE)
            return NSTramvell::PassNativeWindowMessage(NSTramvell::GetNativeParentWindow(mHandle), message, first,
                                                       second);
        if (!NSWinControlUtils::IsVisibleInWindow(*mView))
            return 0;
        break;
    default:
        break;
    }
    return mLink->HandleMessage(message, first, second);
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

void CPictureButtonViewImplementation::EnabledChanged()
{
    if (NSWinControlUtils::SyncNativeEnabled(mHandle, mView->IsEnabled()))
        mView->Invalidate();
}

void CPictureButtonViewImplementation::PlaceControl()
{
    NSWinControlUtils::PlaceNativeControl(mHandle, *mView->GetFrame());
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
    , mImplementation(std::make_unique<CPictureButtonViewImplementation>(this, frame, key, listener))
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
    mImplementation->EnabledChanged();
}

CRegion CPictureButtonView::GetInnerRegion() const
{
    CRect inner = *GetFrame();
    inner.Inset(2);
    return CRegion(inner);
}

void CPictureButtonView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mImplementation->PlaceControl();
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CPictureButtonView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    mImplementation->PlaceControl();
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
