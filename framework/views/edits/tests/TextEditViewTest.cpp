// A multi-line edit in a shown framework window, typed into with posted messages.

#include "framework/gui/application/Application.h"
#include "framework/gui/menus/Menu.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/shell/Clipboard.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"
#include "framework/views/edits/MultiLineTextEditView.h"

#include <memory>
#include <string>
#include <vector>

using NSControlTest::PumpPending;
using NSControlTest::PumpUntil;
using NSTramvell::CMultiLineTextEditView;
using NSTramvell::CRect;

namespace {

struct CNotice
{
    std::int32_t mKind;
    std::uint8_t mCharacter;
    friend bool operator==(const CNotice&, const CNotice&) = default;
};

// Records the edit's notices; answers typed characters as the test says.
class CListeningGroup : public NSTramvell::CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        if (mEdit == nullptr)   // the edit's first text, while it is being made
            return 0;
        mNotices.push_back({mEdit->GetChangeKind(), mEdit->GetChangeCharacter()});
        if (mEdit->GetChangeKind() != NSTramvell::kEditCharacterTyped)
            return 0;
        if (mAccept)
            mEdit->AcceptTypedCharacter();
        return mHandle ? 1 : 0;
    }

    CMultiLineTextEditView* mEdit = nullptr;
    bool mHandle = false;
    bool mAccept = false;
    std::vector<CNotice> mNotices;
};

class MultiLineTextEditView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mGroup = std::make_unique<CListeningGroup>(mWindow->GetRootView(), CRect(0, 0, 400, 300));
        mEdit = std::make_unique<CMultiLineTextEditView>(
            mGroup.get(), CMultiLineTextEditView::CDescription{CRect(20, 20, 220, 120), "start"}, 0);
        mGroup->mEdit = mEdit.get();
        mGroup->mNotices.clear();
        Paint();
    }

    void TearDown() override
    {
        mEdit.reset();
        mGroup.reset();
        CShownWindow::TearDown();
    }

    HWND Control() const { return mEdit->GetNativeHandle(); }

    void PostCharacter(char character)
    {
        ::PostMessageA(Control(), WM_CHAR, static_cast<unsigned char>(character), 1);
    }

    void PlaceCaretAtEnd()
    {
        const auto length = static_cast<std::int32_t>(mEdit->GetText().size());
        mEdit->SetSelection(length, length);
    }

    static void PutTextOnClipboard(const std::string& text)
    {
        NSTramvell::CClipboardItem item(NSTramvell::kTextClippingType);
        item.GetMedia().Write(static_cast<std::int32_t>(text.size()), text.data());
        NSTramvell::BeginClipboardCopy();
        NSTramvell::WriteClipboardFlavour(item);
    }

    std::unique_ptr<CListeningGroup> mGroup;
    std::unique_ptr<CMultiLineTextEditView> mEdit;
};

} // namespace

TEST_F(MultiLineTextEditView, IsAMultiLineEditWithTheDescriptionsTextAndTheWholeLimit)
{
    const auto style = static_cast<std::uint32_t>(::GetWindowLongA(Control(), GWL_STYLE));
    const auto extended = static_cast<std::uint32_t>(::GetWindowLongA(Control(), GWL_EXSTYLE));
    EXPECT_EQ(style & ~static_cast<std::uint32_t>(WS_VSCROLL | WS_HSCROLL), 0x50801044u);
    EXPECT_EQ(extended & WS_EX_CLIENTEDGE, static_cast<std::uint32_t>(WS_EX_CLIENTEDGE));
    EXPECT_EQ(::SendMessageA(Control(), EM_GETLIMITTEXT, 0, 0), 32767);
    EXPECT_EQ(NSControlTest::GetControlRectInClient(Control()), CRect(20, 20, 220, 120));
    EXPECT_EQ(mEdit->GetText(), "start");

    CMultiLineTextEditView later(mGroup.get(), 0);
    EXPECT_EQ(*later.GetFrame(), CRect(-100, -100, 0, 0));
    EXPECT_EQ(later.GetMaximumLength(), 32767);
}

TEST_F(MultiLineTextEditView, ReturnPutsOneLineEndWhereTheCaretIs)
{
    PlaceCaretAtEnd();
    ::PostMessageA(Control(), WM_KEYDOWN, VK_RETURN, 0x001C0001);   // translated into a character 13 too
    ::PostMessageA(Control(), WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
    PostCharacter('z');
    ASSERT_TRUE(PumpUntil([&] { return mEdit->GetText().size() >= 8; }));
    PumpPending();
    EXPECT_EQ(mEdit->GetText(), "start\r\nz");
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("MultiLineTextEditView").empty());
}

TEST_F(MultiLineTextEditView, TypedCharactersAreOfferedAndKeptOutOnlyByARefusal)
{
    using NSTramvell::kEditCharacterTyped;
    using NSTramvell::kEditTextChanged;
    const struct
    {
        const char* mName;
        bool mHandle, mAccept;
        std::vector<CNotice> mNotices;
        const char* mText;
    } kCases[] = {
        {"nobody cares", false, false, {{kEditCharacterTyped, 'x'}, {kEditTextChanged, 0}}, "x"},
        {"refused", true, false, {{kEditCharacterTyped, 'x'}}, ""},
        {"handled and accepted", true, true, {{kEditCharacterTyped, 'x'}, {kEditTextChanged, 0}}, "x"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.mName);
        mEdit->SetText("");
        mGroup->mNotices.clear();
        mGroup->mHandle = c.mHandle;
        mGroup->mAccept = c.mAccept;
        PostCharacter('x');
        PostCharacter('\t');   // Tab is never offered
        ::PostMessageA(Control(), WM_NULL, 0, 0);
        PumpPending();
        EXPECT_EQ(mGroup->mNotices, c.mNotices);
        EXPECT_EQ(mEdit->GetText(), c.mText);
    }
}

TEST_F(MultiLineTextEditView, EachChangeSendsOneTextNotice)
{
    mEdit->SetText("replaced");
    EXPECT_EQ(mGroup->mNotices, (std::vector<CNotice>{{NSTramvell::kEditTextChanged, 0}}));
    mEdit->BeginChange();
    mEdit->SetText("one");
    mEdit->InsertText("two");
    EXPECT_EQ(mGroup->mNotices.size(), 1u);
    mEdit->EndChange();
    EXPECT_EQ(mGroup->mNotices.size(), 2u);

    const std::string long1000(1000, 'q');
    mEdit->SetText(long1000);
    EXPECT_EQ(mEdit->GetText(), long1000);
}

TEST_F(MultiLineTextEditView, PasteKeepsWhatFitsAndCopyPasteRoundTrips)
{
    mEdit->SetMaximumLength(10);
    mEdit->SetText("12345678");
    PlaceCaretAtEnd();
    PutTextOnClipboard("abcd");
    mEdit->Paste();
    EXPECT_EQ(mEdit->GetText(), "12345678ab");

    mEdit->SetMaximumLength(100);
    mEdit->SetText("one\r\ntwo");
    mEdit->SetSelection(2, 6);
    mEdit->Copy();
    const auto item = NSTramvell::ReadClipboardFlavour(NSTramvell::kTextClippingType);
    const std::string copied(reinterpret_cast<const char*>(item->GetMedia().GetBuffer()),
                             static_cast<std::size_t>(item->GetMedia().GetSize()));
    EXPECT_EQ(NSTramvell::TextBeforeNul(copied), "e\r\nt");
    PlaceCaretAtEnd();
    mEdit->Paste();
    EXPECT_EQ(mEdit->GetText(), "one\r\ntwoe\r\nt");
    mEdit->SetSelection(0, 3);
    mEdit->Cut();
    EXPECT_EQ(mEdit->GetText(), "\r\ntwoe\r\nt");
}

TEST_F(MultiLineTextEditView, EnablesEditCommandsBySelectionAndClipboardAndCarriesThemOut)
{
    NSTramvell::CApplication& application = *NSTramvell::CApplication::GetApplication();
    application.SetCutCommand(301);
    application.SetCopyCommand(302);
    application.SetPasteCommand(303);
    application.SetClearCommand(304);
    application.SetExtraEditCommand(305);
    NSTramvell::CMenu menu("Edit", 300, false);
    for (std::uint32_t command = 301; command <= 305; ++command)
        menu.AppendItem(NSTramvell::CMenuItem("item", command));
    NSTramvell::CMenuBar bar;
    bar.AppendMenu(menu);
    const auto enabledItems = [&] {
        bar.ResetItems();
        mEdit->EnableMenuCommands(&bar);
        std::vector<bool> enabled;
        for (std::uint16_t i = 0; i < menu.GetItemCount(); ++i)
            enabled.push_back(menu.GetItem(i).mIsDisabled == 0);
        return enabled;
    };

    PutTextOnClipboard("clip");
    mEdit->SetSelection(0, 0);
    EXPECT_EQ(enabledItems(), (std::vector<bool>{false, false, true, false, true}));
    mEdit->SetSelection(0, 2);
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_EQ(enabledItems(), (std::vector<bool>{true, true, false, true, true}));

    const auto command = [](std::uint32_t id) {
        return NSTramvell::CMenuCommand(NSTramvell::kMenuCommandOther, nullptr, id, NSTramvell::CModifierKeys(), 0);
    };
    EXPECT_TRUE(mEdit->DoMenuCommand(command(304)));
    EXPECT_EQ(mEdit->GetText(), "art");
    EXPECT_TRUE(mEdit->DoMenuCommand(command(305)));
    EXPECT_TRUE(mEdit->HasSelection());
    EXPECT_FALSE(mEdit->DoMenuCommand(command(306)));
    application.SetPasteCommand(0);
    EXPECT_FALSE(mEdit->DoMenuCommand(command(0)));
    EXPECT_EQ(mEdit->GetText(), "art");
    application.SetCutCommand(0);
    application.SetCopyCommand(0);
    application.SetClearCommand(0);
    application.SetExtraEditCommand(0);
}
