// Static texts in a shown framework window: what they paint and when they ask to be painted.

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/StaticTextView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>

using NSControlTest::CCountedCalls;
using NSTramvell::CColor;
using NSTramvell::CRect;
using NSTramvell::CStaticTextView;

namespace {

const CColor kBackground(40, 160, 60);
const CColor kBlack(0, 0, 0);
// Every letter of the text leaves at least one pixel of the text's own colour, whichever face draws it.
constexpr int kInkedLetters = 8;

class StaticTextView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mPanel = std::make_unique<NSTramvell::CSolidColorGroupView>(mWindow->GetRootView(), CRect(0, 0, 300, 200));
        mPanel->SetColor(kBackground);
        mText = std::make_unique<CStaticTextView>(mPanel.get(),
                                                  CStaticTextView::CDescription{"WWWW MMMM", CRect(20, 20, 220, 44)});
        ::InvalidateRect(mWindow->GetWindowHandle(), nullptr, FALSE);
        Paint();
    }

    void TearDown() override
    {
        mText.reset();
        mPanel.reset();
        CShownWindow::TearDown();
    }

    // How many pixels of the text's frame have the colour.
    int CountInFrame(const CColor& color) const
    {
        const NSGuiTest::CClientPixels pixels(*mWindow);
        int count = 0;
        for (int y = 20; y < 44; ++y)
            for (int x = 20; x < 220; ++x)
                count += pixels.At(x, y) == color ? 1 : 0;
        return count;
    }

    std::unique_ptr<NSTramvell::CSolidColorGroupView> mPanel;
    std::unique_ptr<CStaticTextView> mText;
};

} // namespace

TEST_F(StaticTextView, DrawsBlackOverTheEnclosingBackgroundAndDisabledInTheShadowColour)
{
    const NSGuiTest::CClientPixels enabled(*mWindow);
    EXPECT_EQ(enabled.At(20, 20), kBackground);
    EXPECT_EQ(enabled.At(219, 43), kBackground);
    EXPECT_GE(CountInFrame(kBlack), kInkedLetters);
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("StaticTextView").empty());

    mText->SetEnabled(false);
    Paint();
    const CColor shadow = NSTramvell::GetSystemShadowColor();
    ASSERT_NE(shadow, kBlack);
    EXPECT_EQ(CountInFrame(kBlack), 0);
    EXPECT_GE(CountInFrame(shadow), kInkedLetters);
}

TEST_F(StaticTextView, TextAndFontInvalidateOnlyWhenTheyChange)
{
    CCountedCalls counted(mWindow->GetWindowHandle());
    mText->SetText("WWWW MMMM");
    EXPECT_EQ(counted.Get().mWindowInvalidations, 0);
    mText->SetText("Other");
    EXPECT_EQ(counted.Get().mWindowInvalidations, 1);
    EXPECT_EQ(mText->GetText(), "Other");

    NSTramvell::CFontSpec font = mText->GetFont();
    mText->SetFont(font);
    EXPECT_EQ(counted.Get().mWindowInvalidations, 1);
    font.SetBold(1);
    mText->SetFont(font);
    EXPECT_EQ(counted.Get().mWindowInvalidations, 2);

    mText->SetEnabled(false);
    EXPECT_EQ(counted.Get().mWindowInvalidations, 3);
}

TEST_F(StaticTextView, ADialogItemGivesItsTextAndRectangleUnchanged)
{
    const CStaticTextView fromItem(mPanel.get(), NSTramvell::CDialogItem(4, NSTramvell::kDialogItemStatic,
                                                                       CRect(12, 50, 180, 66), "From the item"));
    EXPECT_EQ(fromItem.GetText(), "From the item");
    EXPECT_EQ(*fromItem.GetFrame(), CRect(12, 50, 180, 66));
    EXPECT_EQ(fromItem.GetFont(), mText->GetFont());
}
