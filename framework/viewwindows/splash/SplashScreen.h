#pragma once

// A splash screen: a bare pop-up showing one picture, centred on the main screen, with two lines of text
// over it, that holds the start-up for its duration or, with a negative duration, until it is clicked.

#include "framework/gui/floaters/SplashTiming.h"
#include "framework/gui/images/BitmapKey.h"
#include "framework/gui/windows/Window.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CStaticBitmapView;
class CTransparentStaticTextView;

class CSplashScreen : public CABCWindow
{
public:
    static constexpr std::uint32_t kStyle = 0x80000000;   // a pop-up without frame or caption
    static constexpr std::uint32_t kExtendedStyle = 0x80;   // no task-bar button

    // Shows the picture at once; the duration counts from here. The text frames are in the picture's
    // coordinates. XBase without an application, XOutOfMemory when the platform refuses the window.
    CSplashScreen(const CBitmapKey& picture, std::int32_t durationMs, const CRect& firstTextFrame,
                  const CRect& secondTextFrame);
    ~CSplashScreen() override;

    void SetTexts(const std::string& first, const std::string& second);
    std::string GetFirstText() const;
    std::string GetSecondText() const;

    // Pumps events until the splash may close, its window was closed from outside or the application is
    // quitting; then takes the window and its texts away. The object stays for its owner to delete.
    void Run();

    bool MayClose() override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    // A close request from outside (the platform's close message) ends the run instead of the window.
    void CloseIfAllowed() override { mClosedFromOutside = true; }
    void RootFrameChanged(const CRect&, const CRect&) override {}

private:
    bool IsWindowGone() const;
    void TakeDown();

    CSplashTiming mTiming;
    bool mClosedFromOutside = false;
    std::unique_ptr<CStaticBitmapView> mPicture;
    std::unique_ptr<CTransparentStaticTextView> mFirstText;
    std::unique_ptr<CTransparentStaticTextView> mSecondText;
};

} // namespace NSTramvell
