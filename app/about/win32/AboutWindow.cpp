#include "app/about/AboutWindow.h"

#include "app/about/ApplicationStatics.h"
#include "app/strings/UIStringTables.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/Version.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/dialogs/Choosers.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/pages/BitmapView.h"
#include "framework/views/pages/TransparentStaticTextView.h"

#include <string>

using namespace NSTramvell;

namespace {

constexpr std::uint32_t kTitleEntry = 40;
constexpr std::uint32_t kVersionLineEntry = 41;

CAboutWindow* gAboutWindow = nullptr;

CRect GetInitialBounds()
{
    const CFrameInsets insets = CModelessDialog::GetFrameInsets(0);
    const CLocationRect margins(insets.GetLeft(), insets.GetTop(), insets.GetRight(), insets.GetBottom());
    const CLocationRect placed = GetCenteredWindowRect(CAboutWindow::kWidth, CAboutWindow::kHeight, margins);
    return CRect(placed.GetLeft(), placed.GetTop(), placed.GetRight(), placed.GetBottom());
}

std::string MakeVersionLine()
{
    const CApplication* application = CApplication::GetApplication();
    if (application == nullptr)
        throw XBase();
    const std::string build = std::to_string(application->GetVersion().GetBuildNumber());
    const std::string product = ReadProductVersion(application->GetResourceFile());
    return ReplaceParameters(GetString(UIStringReference(kVersionLineEntry)), product, build);
}

} // namespace

CAboutWindow::CAboutWindow()
    : CModelessDialog(0, GetString(UIStringReference(kTitleEntry)), GetInitialBounds())
{
    mPicture = std::make_unique<CBitmapView>(GetRootView(), NSDravimStatics::kAboutBitmap);
    mVersionLine = std::make_unique<CTransparentStaticTextView>(GetRootView(), MakeVersionLine(),
                                                                GetSystemFontSpec(), GetVersionLineFrame(), 0);
    mPicture->SetFrame(CRect(0, 0, kWidth, kHeight));
}

CAboutWindow::~CAboutWindow()
{
    // The views go before the window's root view does.
    mVersionLine.reset();
    mPicture.reset();
    if (gAboutWindow == this)
        gAboutWindow = nullptr;
}

std::string CAboutWindow::GetVersionLine() const
{
    return mVersionLine->GetText();
}

CRect CAboutWindow::GetVersionLineFrame()
{
    return CRect(169, 176, 412, 201);
}

void ShowAboutWindow()
{
    if (gAboutWindow != nullptr) {
        gAboutWindow->Activate();
        return;
    }
    CAboutWindow* window = new CAboutWindow;
    try {
        window->ShowWithBounds(window->GetBoundsField());
    } catch (...) {
        // Neither left on the screen nor remembered half made: the next command starts afresh.
        window->CloseNow();
        throw;
    }
    gAboutWindow = window;
}

CAboutWindow* GetAboutWindow()
{
    return gAboutWindow;
}
