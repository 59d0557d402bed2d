// The pop-up button over a real drop-down list in a shown framework window.

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"
#include "framework/views/lists/PopupButtonView.h"
#include "framework/views/lists/StringList.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using NSControlTest::GetControlRectInClient;
using NSControlTest::PumpPending;
using NSControlTest::PumpUntil;
using NSTramvell::CPopupButtonView;
using NSTramvell::CRect;
using NSTramvell::CStringList;

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

// Notes each choice offered to it and, when told to, takes it.
class CChoosingOwner : public NSTramvell::CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        std::uint16_t index = 0;
        if (mPopup == nullptr || !mPopup->TakeChoice(index))
            return 0;
        mOffered.push_back(index);
        mShownDuringOffer = static_cast<int>(::SendMessageA(mPopup->GetNativeHandle(), CB_GETCURSEL, 0, 0));
        if (mTake)
            mPopup->SetSelection(index);
        return 0;
    }

    CPopupButtonView* mPopup = nullptr;
    bool mTake = false;
    std::vector<std::uint16_t> mOffered;
    int mShownDuringOffer = -2;
};

class PopupButtonView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        for (int line = 0; line < 30; ++line)
            mStrings.AddLine("Entry " + std::to_string(line));
        mOwner = std::make_unique<CChoosingOwner>(mWindow->GetRootView(), CRect(0, 0, 400, 300));
        NSTramvell::CScopedTableEntry recording(NSTramvell::GetWindowTable().CreateWindowExA, &CreateRecordingStyle);
        mPopup = std::make_unique<CPopupButtonView>(mOwner.get(), CRect(20, 30, 180, 50), &mStrings);
        mOwner->mPopup = mPopup.get();
        Paint();
    }
    void TearDown() override
    {
        mPopup.reset();
        mOwner.reset();
        CShownWindow::TearDown();
    }

    HWND Control() const { return mPopup->GetNativeHandle(); }
    int Shown() const { return static_cast<int>(::SendMessageA(Control(), CB_GETCURSEL, 0, 0)); }
    CRect DroppedListRect() const
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!::GetComboBoxInfo(Control(), &info) || info.hwndList == nullptr)
            return CRect();
        RECT rect{};
        ::GetWindowRect(info.hwndList, &rect);
        return CRect(rect.left, rect.top, rect.right, rect.bottom);
    }
    // As the control tells its window that the user picked the entry it shows.
    void Choose(int index)
    {
        ::SendMessageA(Control(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageA(::GetParent(Control()), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(Control()), CBN_SELENDOK), reinterpret_cast<LPARAM>(Control()));
    }

    CStringList mStrings{40, 32};
    std::unique_ptr<CChoosingOwner> mOwner;
    std::unique_ptr<CPopupButtonView> mPopup;
};

} // namespace

TEST(PopupButtonViewFrames, ATemplateItemRisesOnePixelAndTakesTheClosedHeight)
{
    const NSTramvell::CDialogTemplate layout(
        NSTramvell::CPoint(300, 200), "Layout",
        {NSTramvell::CDialogItem(6, NSTramvell::kDialogItemComboBox, CRect(10, 40, 110, 52), ""),
         NSTramvell::CDialogItem(7, NSTramvell::kDialogItemComboBox, CRect(0, 0, 50, 30), "")});
    EXPECT_EQ(CPopupButtonView::FrameFromTemplate(layout, 6), CRect(10, 39, 110, 60));
    EXPECT_EQ(CPopupButtonView::FrameFromTemplate(layout, 7), CRect(0, -1, 50, 20));
    EXPECT_EQ(CPopupButtonView::FrameFromRect(CRect(5, 5, 25, 100)), CRect(5, 4, 25, 25));
    EXPECT_THROW(CPopupButtonView::FrameFromTemplate(layout, 8), NSTramvell::XNotFound);
}

TEST_F(PopupButtonView, ListsEveryStringAndShowsTheSelection)
{
    EXPECT_EQ(gRequestedStyle, 0x50200003u);
    EXPECT_EQ(GetControlRectInClient(Control()), CRect(20, 29, 180, 50));
    ASSERT_EQ(::SendMessageA(Control(), CB_GETCOUNT, 0, 0), 30);
    char first[64] = {};
    ::SendMessageA(Control(), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(std::string(first), mStrings.GetLine(0));
    EXPECT_EQ(Shown(), -1);

    mPopup->SetSelection(12);
    EXPECT_EQ(Shown(), 12);
    mPopup->SetSelection(CPopupButtonView::kNoSelection);
    EXPECT_EQ(Shown(), -1);

    // A new list keeps the selection the view holds.
    mPopup->SetSelection(4);
    CStringList shorter(8, 16);
    for (const char* line : {"a", "b", "c", "d", "e"})
        shorter.AddLine(line);
    mPopup->SetStringList(&shorter);
    EXPECT_EQ(::SendMessageA(Control(), CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(Shown(), 4);
    mPopup->SetStringList(nullptr);
    EXPECT_EQ(::SendMessageA(Control(), CB_GETCOUNT, 0, 0), 0);
}

TEST_F(PopupButtonView, DroppingDownLengthensTheControlAndOnlyStoresSelections)
{
    mPopup->SetSelection(2);
    ::SendMessageA(Control(), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(PumpUntil([this] { return mPopup->IsDroppedDown(); }, 15000));
    EXPECT_EQ(DroppedListRect().GetHeight(), CPopupButtonView::kDroppedHeight - CPopupButtonView::kClosedHeight);

    mPopup->SetSelection(9);
    EXPECT_EQ(mPopup->GetSelection(), 9);
    EXPECT_EQ(Shown(), 2);

    ::SendMessageA(Control(), CB_SHOWDROPDOWN, FALSE, 0);
    ASSERT_TRUE(PumpUntil([this] { return !mPopup->IsDroppedDown(); }, 15000));
    EXPECT_EQ(GetControlRectInClient(Control()).GetHeight(), CPopupButtonView::kClosedHeight);
}

TEST_F(PopupButtonView, AChoiceIsOfferedAndStaysOnlyWhenTheOwnerTakesIt)
{
    struct CCase
    {
        bool mTake;
        int mShownAfter;
    };
    for (const CCase& c : {CCase{false, 3}, CCase{true, 5}}) {
        SCOPED_TRACE(c.mTake ? "taken" : "declined");
        mPopup->SetSelection(3);
        mOwner->mTake = c.mTake;
        mOwner->mOffered.clear();
        Choose(5);
        PumpPending();
        EXPECT_EQ(mOwner->mOffered, std::vector<std::uint16_t>{5});
        EXPECT_EQ(mOwner->mShownDuringOffer, 5);
        EXPECT_EQ(Shown(), c.mShownAfter);
        EXPECT_EQ(mPopup->GetSelection(), c.mShownAfter);
    }
    std::uint16_t index = 0;
    EXPECT_FALSE(mPopup->TakeChoice(index));
}

TEST_F(PopupButtonView, AListThatFailsLeavesNoControlBehind)
{
    class CFailingList : public NSTramvell::IStringList
    {
    public:
        void AddLine(const std::string&) override {}
        void Clear() override {}
        std::int32_t GetLineCount() const override { return 2; }
        std::string GetLine(std::int32_t) const override { throw std::runtime_error("unreadable"); }
    };
    const CFailingList failing;
    const HWND window = ::GetParent(Control());
    auto countChildren = [window] {
        int count = 0;
        for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
            ++count;
        return count;
    };
    const int before = countChildren();
    EXPECT_THROW(CPopupButtonView(mOwner.get(), CRect(20, 80, 180, 100), &failing), std::runtime_error);
    EXPECT_EQ(countChildren(), before);
}
