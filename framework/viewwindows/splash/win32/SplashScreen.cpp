#include "framework/viewwindows/splash/SplashScreen.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/images/BitmapDrawing.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/views/pages/TransparentStaticTextView.h"
#include "framework/views/scrolling/StaticBitmapView.h"

namespace NSTramvell {

namespace {

CRect CenterOnMainScreen(const CPoint& size)
{
    CWindowTable& windows = GetWindowTable();
    const std::int32_t left = (windows.GetSystemMetrics(SM_CXSCREEN) - size.GetX()) / 2;
    const std::int32_t top = (windows.GetSystemMetrics(SM_CYSCREEN) - size.GetY()) / 2;
    return CRect(left, top, left + size.GetX(), top + size.GetY());
}

} // namespace

CSplashScreen::CSplashScreen(const CBitmapKey& picture, std::int32_t durationMs, const CRect& firstTextFrame,
                             const CRect& secondTextFrame)
    : CABCWindow(kKindSplash, 0, 0, 0, 0)
    , mTiming(GetTimeCounter(), durationMs)
{
    CApplication* application = CApplication::GetApplication();
    if (application == nullptr)
        throw XBase();
    const CRect bounds = CenterOnMainScreen(GetBitmapSize(picture));
    const HWND handle = GetWindowTable().CreateWindowExA(
        kExtendedStyle, GetWindowClassName(kKindSplash), "", kStyle, bounds.GetLeft(), bounds.GetTop(),
        bounds.GetWidth(), bounds.GetHeight(), nullptr, nullptr, application->GetInstanceHandle(), nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    SetWindowHandle(handle);
    mPicture = std::make_unique<CStaticBitmapView>(GetRootView(), picture);
    mPicture->SetFrame(CRect(0, 0, bounds.GetWidth(), bounds.GetHeight()));
    mFirstText = std::make_unique<CTransparentStaticTextView>(GetRootView(), "", GetSystemFontSpec(), firstTextFrame, 0);
    mSecondText =
        std::make_unique<CTransparentStaticTextView>(GetRootView(), "", GetSystemFontSpec(), secondTextFrame, 0);
    ShowWithBounds(bounds);
    UpdateNow();
}

CSplashScreen::~CSplashScreen()
{
    TakeDown();
}

void CSplashScreen::TakeDown()
{
    // The views go before the window, whose disposal would delete them from under their owners.
    mSecondText.reset();
    mFirstText.reset();
    mPicture.reset();
    Dispose();
}

void CSplashScreen::SetTexts(const std::string& first, const std::string& second)
{
    if (mFirstText == nullptr)
        return;
    mFirstText->SetText(first);
    mSecondText->SetText(second);
}

std::string CSplashScreen::GetFirstText() const
{
    return mFirstText != nullptr ? mFirstText->GetText() : std::string();
}

std::string CSplashScreen::GetSecondText() const
{
    return mSecondText != nullptr ? mSecondText->GetText() : std::string();
}

bool CSplashScreen::MayClose()
{
    return mTiming.MayClose(GetTimeCounter());
}

CMouseDownResult CSplashScreen::HandleMouseDown(const CMouseEvent&)
{
    mTiming.NoteClick();
    return CMouseDownResult(true);
}

bool CSplashScreen::IsWindowGone() const
{
    const HWND handle = GetWindowHandle();
    return mClosedFromOutside || handle == nullptr || !GetWindowTable().IsWindow(handle);
}

void CSplashScreen::Run()
{
    CApplication* application = CApplication::GetApplication();
    RunSplashLoop({
        [this] { return MayClose(); },
        [this] { return IsWindowGone(); },
        [application] {
            return application == nullptr || application->GetRunState() == kRunStateQuitRequested ||
                   application->GetRunState() == kRunStateEnding;
        },
        [application] {
            if (application != nullptr)
                application->ProcessPendingEvents();
        },
        [] { PauseMilliseconds(1); },
    });
    // Off the screen now, so that the windows beneath repaint; the owner deletes the object.
    TakeDown();
}

} // namespace NSTramvell
