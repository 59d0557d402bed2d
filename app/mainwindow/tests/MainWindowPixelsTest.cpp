// What the main window looks like, read back from a capture of its client area: the skin picture, the
// button face below it, each page's texts over the skin, and a picture that stays right paint after paint.
// Also the off-screen bitmap that the double-buffered skin draws through.

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/tests/WindowTestSupport.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/images/Bitmap.h"
#include "framework/gui/images/OffscreenCanvas.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/windows/DrawSpecs.h"

#include <string>
#include <vector>

using NSMainWindowTest::CClientCapture;
using NSMainWindowTest::CMainWindowTest;
using NSMainWindowTest::CResourcePicture;
using NSTramvell::CRect;

namespace {

CRect DialogUnits(int x, int y, int width, int height)
{
    const int left = 6 * x / 4;
    const int top = 13 * y / 8;
    return CRect(left, top, left + 6 * width / 4, top + 13 * height / 8);
}

CRect Moved(CRect rect, const CRect& by)
{
    rect.Offset(by.GetLeft(), by.GetTop());
    return rect;
}

CRect Inflated(const CRect& rect, int by)
{
    return CRect(rect.GetLeft() - by, rect.GetTop() - by, rect.GetRight() + by, rect.GetBottom() + by);
}

const CRect kSkin = DialogUnits(0, 0, 332, 177);
const CRect kMessagePane = DialogUnits(127, 9, 192, 151);
const CRect kProgressPane = DialogUnits(5, 182, 268, 43);

// The texts of each state's pages, in dialog units of their templates: message pane, then progress pane.
const std::vector<CRect> kMessageTexts[] = {
    {DialogUnits(7, 6, 177, 21), DialogUnits(7, 33, 177, 39), DialogUnits(7, 83, 177, 14)},
    {DialogUnits(7, 6, 177, 18), DialogUnits(7, 27, 177, 10), DialogUnits(7, 41, 177, 10),
     DialogUnits(7, 52, 177, 33), DialogUnits(7, 89, 177, 10), DialogUnits(7, 100, 177, 33)},
    {DialogUnits(7, 6, 177, 21), DialogUnits(7, 36, 177, 81)},
};
const std::vector<CRect> kProgressCaptions[] = {
    {}, {DialogUnits(18, 34, 64, 8), DialogUnits(101, 34, 96, 8)}, {}};

bool IsDark(std::uint32_t pixel)
{
    return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 3 * 100;
}

bool AnyDark(const CClientCapture& capture, const CRect& rect)
{
    for (std::int32_t y = rect.GetTop(); y < rect.GetBottom(); ++y)
        for (std::int32_t x = rect.GetLeft(); x < rect.GetRight(); ++x)
            if (IsDark(capture.At(x, y)))
                return true;
    return false;
}

bool InAny(const std::vector<CRect>& rects, std::int32_t x, std::int32_t y)
{
    for (const CRect& rect : rects)
        if (rect.Contains(NSTramvell::CPoint(x, y)))
            return true;
    return false;
}

std::uint32_t ButtonFace()
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    return static_cast<std::uint32_t>(GetRValue(face)) << 16 | GetGValue(face) << 8 | GetBValue(face);
}

class MainWindowPixels : public CMainWindowTest
{
protected:
    void SetUp() override
    {
        CMainWindowTest::SetUp();
        mSkin = NSMainWindowTest::LoadResourcePicture(128);
        ASSERT_FALSE(mSkin.mPixels.empty());
        mPlaced = CRect(0, 0, mSkin.mWidth, mSkin.mHeight);
        mPlaced.AlignIn(kSkin);
    }

    // The skin's pixel at a client point, or none outside the picture.
    bool SkinAt(std::int32_t x, std::int32_t y, std::uint32_t& pixel) const
    {
        if (!mPlaced.Contains(NSTramvell::CPoint(x, y)))
            return false;
        pixel = mSkin.At(x - mPlaced.GetLeft(), y - mPlaced.GetTop());
        return true;
    }

    CResourcePicture mSkin;
    CRect mPlaced;
};

} // namespace

TEST_F(MainWindowPixels, EachStateShowsTheSkinItsTextsAndTheButtonFace)
{
    Open();
    for (const std::int32_t state : {0, 1, 2}) {
        SCOPED_TRACE(state);
        Show(state);
        const CClientCapture capture(Handle());
        std::vector<CRect> texts;
        for (const CRect& text : kMessageTexts[state])
            texts.push_back(Moved(text, kMessagePane));
        std::vector<CRect> captions;
        for (const CRect& caption : kProgressCaptions[state])
            captions.push_back(Moved(caption, kProgressPane));
        for (const CRect& rect : texts)
            EXPECT_TRUE(AnyDark(capture, rect)) << rect.GetLeft() << "," << rect.GetTop();
        for (const CRect& rect : captions)
            EXPECT_TRUE(AnyDark(capture, rect)) << rect.GetLeft() << "," << rect.GetTop();

        // Controls with a margin for their focus and edge.
        std::vector<CRect> controls;
        for (HWND control : {Exit(), Folder(), Archive(), Eject(), Bar()})
            controls.push_back(Inflated(NSMainWindowTest::GetControlRectInClient(control), 2));
        int skinMismatches = 0;
        int faceMismatches = 0;
        for (std::int32_t y = 0; y < capture.GetHeight(); ++y) {
            for (std::int32_t x = 0; x < capture.GetWidth(); ++x) {
                std::uint32_t skin = 0;
                if (y < kSkin.GetBottom()) {
                    if (!InAny(texts, x, y) && SkinAt(x, y, skin) && capture.At(x, y) != skin)
                        ++skinMismatches;
                } else if (!InAny(controls, x, y) && !InAny(captions, x, y) && capture.At(x, y) != ButtonFace()) {
                    ++faceMismatches;
                }
            }
        }
        EXPECT_EQ(skinMismatches, 0);
        EXPECT_EQ(faceMismatches, 0);
        EXPECT_FALSE(NSGuiTest::SaveScreenshot("MainWindowState" + std::to_string(state)).empty());
    }
}

TEST_F(MainWindowPixels, ThePromptPageLooksTheSameAfterATripThroughTheOtherStates)
{
    Open();
    const std::vector<std::uint32_t> before = CClientCapture(Handle()).Crop(kMessagePane);
    for (const std::int32_t state : {1, 2, 0})
        Show(state);
    EXPECT_EQ(CClientCapture(Handle()).Crop(kMessagePane), before);
}

TEST_F(MainWindowPixels, ThreeHundredPaintsInARowLeaveThePictureRight)
{
    Open();
    Show(CMainWindow::kChoosingState);
    const std::vector<std::uint32_t> before = CClientCapture(Handle()).Crop(kSkin);
    for (int paint = 0; paint < 300; ++paint) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
        ::UpdateWindow(Handle());
    }
    NSMainWindowTest::PumpPending();
    EXPECT_EQ(CClientCapture(Handle()).Crop(kSkin), before);
}

TEST(OffscreenBitmap, OutlivesTheDrawSpecThatDrewIntoIt)
{
    NSTramvell::CBitmap32 target(16, 16);
    NSTramvell::COffscreenCanvas canvas(target);
    NSTramvell::CBitmap32 buffer(8, 8);
    {
        NSTramvell::COffscreenDrawSpec spec(canvas, buffer, CRect(4, 4, 12, 12));
        spec.GetCanvas()->FillRect(CRect(4, 4, 12, 12), NSTramvell::CColor(200, 30, 40));
    }
    NSTramvell::CPixelReadAccess access(buffer);
    for (const int at : {0, 7})
        EXPECT_EQ(NSTramvell::GetPixelRGB(access.GetRows().GetPixel32(at, at)), NSTramvell::MakeRGB(200, 30, 40));
}
