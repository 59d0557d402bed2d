// The single-line edit and the integer edit around it, in a shown framework window.

#include "framework/views/edits/IntegerTextEditView.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>
#include <vector>

using namespace NSTramvell;
using NSControlTest::PumpPending;
using NSControlTest::PumpUntil;

namespace {

// The style asked for when a control is made: the platform drops some bits from what it keeps.
DWORD gRequestedStyle = 0;
HWND CreateRecordingStyle(DWORD extendedStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID data)
{
    gRequestedStyle = style;
    return ::CreateWindowExA(extendedStyle, className, title, style, x, y, width, height, parent, menu, instance,
                             data);
}

// Takes each value the integer edit offers, twice as a careless owner might.
class COfferTaker : public CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        std::int32_t value = 0;
        if (mEdit != nullptr && mEdit->TakeChangedValue(value))
            mTaken.push_back(value);
        if (mEdit != nullptr && mEdit->TakeChangedValue(value))
            mTaken.push_back(value);
        return 0;
    }
    CIntegerTextEditView* mEdit = nullptr;
    std::vector<std::int32_t> mTaken;
};

class IntegerTextEdit : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mOwner = std::make_unique<COfferTaker>(mWindow->GetRootView(), CRect(0, 0, 400, 300));
        CScopedTableEntry recording(GetWindowTable().CreateWindowExA, &CreateRecordingStyle);
        mEdit = std::make_unique<CIntegerTextEditView>(mOwner.get(), 6, CRect(20, 20, 120, 44), 0);
        mOwner->mEdit = mEdit.get();
    }
    void TearDown() override
    {
        mEdit.reset();
        mOwner.reset();
        CShownWindow::TearDown();
    }
    HWND Control() const { return mEdit->GetEdit().GetNativeHandle(); }
    std::string Text() const { return mEdit->GetEdit().GetText(); }
    void Type(char character)
    {
        ::SendMessageA(Control(), WM_CHAR, static_cast<unsigned char>(character), 1);
        PumpPending();
    }

    std::unique_ptr<COfferTaker> mOwner;
    std::unique_ptr<CIntegerTextEditView> mEdit;
};

} // namespace

TEST_F(IntegerTextEdit, TheEditIsANumberedBorderedControlInsideItsFrame)
{
    const HWND control = Control();
    EXPECT_EQ(::GetDlgCtrlID(control), 512);
    EXPECT_EQ(gRequestedStyle, 0x50800080u);
    EXPECT_EQ(NSControlTest::GetControlRectInClient(control), CRect(20, 22, 120, 42));
    EXPECT_EQ(::SendMessageA(control, EM_GETLIMITTEXT, 0, 0), 6);

    mEdit->SetFrame(CRect(30, 60, 150, 90));
    EXPECT_EQ(*mEdit->GetEdit().GetFrame(), CRect(30, 60, 150, 90));
    EXPECT_EQ(NSControlTest::GetControlRectInClient(control), CRect(30, 62, 150, 88));
}

TEST_F(IntegerTextEdit, OnlyDigitsGoInAndANewNumberIsOfferedOnce)
{
    Type('a');
    EXPECT_EQ(Text(), "");
    Type('7');
    EXPECT_EQ(Text(), "7");
    EXPECT_EQ(mOwner->mTaken, std::vector<std::int32_t>{7});
    EXPECT_EQ(mEdit->GetValue(), 0);   // the owner decides

    mOwner->mTaken.clear();
    mEdit->SetValue(42);
    EXPECT_EQ(Text(), "42");
    EXPECT_TRUE(mOwner->mTaken.empty());
    EXPECT_EQ(mEdit->GetValue(), 42);
    std::int32_t value = 0;
    EXPECT_FALSE(mEdit->TakeChangedValue(value));
}

TEST_F(IntegerTextEdit, RegisteringPutsTheEditInTheTabOrder)
{
    CPushButtonView before(mWindow->GetRootView(), "Before", CPushButtonView::kOrdinaryButton, CRect(200, 20, 280, 46));
    mWindow->AddFocusTarget(&before);
    mEdit->RegisterEdit();
    mWindow->SetFocusView(&before);
    mWindow->FocusNextTarget();
    EXPECT_EQ(mWindow->GetFocusView(), &mEdit->GetEdit());
    mEdit->UnregisterEdit();
    mWindow->FocusNextTarget();
    EXPECT_EQ(mWindow->GetFocusView(), &before);
}

TEST(CSingleLineTextEditView, DescriptionsWidenTheItemAndTheKeyFilterIsTheSingleLines)
{
    const CDialogTemplate layout(CPoint(300, 200), "Layout",
                                 {CDialogItem(3, kDialogItemEdit, CRect(10, 20, 110, 34), "text")});
    const CSingleLineTextEditView::CDescription description = CSingleLineTextEditView::MakeDescription(layout, 3, 12, 0);
    EXPECT_EQ(description.mFrame, CRect(10, 17, 110, 38));
    EXPECT_EQ(description.mMaximumLength, 12);
    EXPECT_THROW(CSingleLineTextEditView::MakeDescription(layout, 4, 12, 0), XNotFound);
}
