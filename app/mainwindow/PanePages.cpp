#include "app/mainwindow/PanePages.h"

#include "app/mainwindow/MainWindow.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/views/pages/PagedGroupView.h"

using NSTramvell::CBitmapKey;
using NSTramvell::CRect;
using NSTramvell::CTransparentStaticTextView;

namespace {

NSTramvell::CPushButtonView::CDescription OrdinaryButtonItem(const NSTramvell::CDialogTemplate& layout,
                                                             std::uint16_t itemId)
{
    const NSTramvell::CDialogItem item = layout.FindItem(itemId);
    return {item.GetText(), NSTramvell::CPushButtonView::FrameFromItemRect(item.GetRect()),
            NSTramvell::CPushButtonView::kOrdinaryButton};
}

} // namespace

CTemplatePage::CTemplatePage(NSTramvell::CABCGroupView* pane, const CRect& frame, std::uint16_t templateId)
    : CStandardGroupView(pane, frame), mLayout(NSTramvell::CDialogTemplate::Load(templateId))
{
}

CTransparentStaticTextView::CDescription CTemplatePage::TextItem(std::uint16_t itemId) const
{
    const NSTramvell::CDialogItem item = mLayout.FindItem(itemId);
    return {item.GetText(), item.GetRect(), NSTramvell::GetControlFontSpec(), 1};
}

void CTemplatePage::MoveChildrenOntoPage()
{
    const CRect frame = *GetFrame();
    for (std::uint32_t index = 0; index < GetChildCount(); ++index)
        GetChild(index)->MoveBy(frame.GetLeft(), frame.GetTop());
}

CMessagePanePromptPage::CMessagePanePromptPage(NSTramvell::CABCGroupView* pane, const CRect& frame)
    : CTemplatePage(pane, frame, kPromptPageTemplate)
    , mWelcomeText(this, TextItem(1))
    , mInsertText(this, TextItem(2))
    , mWaitingText(this, TextItem(3))
{
    MoveChildrenOntoPage();
}

CMessagePaneChoosePage::CMessagePaneChoosePage(NSTramvell::CABCGroupView* pane, const CRect& frame)
    : CTemplatePage(pane, frame, kMessageChoosePageTemplate)
    , mHeadingText(this, TextItem(1))
    , mOptionsText(this, TextItem(2))
    , mFolderTitleText(this, TextItem(3))
    , mFolderDetailsText(this, TextItem(4))
    , mArchiveTitleText(this, TextItem(5))
    , mArchiveDetailsText(this, TextItem(6))
{
    MoveChildrenOntoPage();
}

CMessagePaneWorkingPage::CMessagePaneWorkingPage(NSTramvell::CABCGroupView* pane, const CRect& frame)
    : CTemplatePage(pane, frame, kWorkingPageTemplate), mHeadingText(this, TextItem(1)), mDetailsText(this, TextItem(2))
{
    MoveChildrenOntoPage();
}

void CMessagePaneWorkingPage::SetTexts(const std::string& heading, const std::string& details)
{
    mHeadingText.SetText(heading);
    mDetailsText.SetText(details);
}

CProgressPaneBlankPage::CProgressPaneBlankPage(NSTramvell::CABCGroupView* pane, const CRect& frame)
    : CTemplatePage(pane, frame, kBlankPageTemplate)
{
}

CProgressPaneChoosePage::CProgressPaneChoosePage(NSTramvell::CABCGroupView* pane, const CRect& frame,
                                                 bool folderAvailable, bool archiveAvailable)
    : CTemplatePage(pane, frame, kProgressChoosePageTemplate)
    , mFolderButton(this, CPictureButtonView::MakeDescription(GetLayout(), 1, CBitmapKey(kFolderButtonIcon)), this)
    , mFolderCaption(this, TextItem(2))
    , mArchiveButton(this, CPictureButtonView::MakeDescription(GetLayout(), 3, CBitmapKey(kArchiveButtonIcon)), this)
    , mArchiveCaption(this, TextItem(4))
    , mEjectButton(this, OrdinaryButtonItem(GetLayout(), 5))
{
    MoveChildrenOntoPage();
    mFolderButton.SetEnabled(folderAvailable);
    mArchiveButton.SetEnabled(archiveAvailable);
    mEjectButton.SetEnabled(true);
}

IMainWindowActionListener* CProgressPaneChoosePage::GetShownPageListener() const
{
    const auto* pane = dynamic_cast<const NSTramvell::CPagedGroupView*>(GetParent());
    if (pane == nullptr || pane->GetCurrentPage() != this)
        return nullptr;
    const auto* window = dynamic_cast<const CMainWindow*>(GetWindow());
    return window != nullptr ? window->GetListener() : nullptr;
}

std::int32_t CProgressPaneChoosePage::ChildChanged()
{
    if (mEjectButton.ConsumePushed()) {
        if (IMainWindowActionListener* listener = GetShownPageListener())
            listener->Eject();
    }
    return 0;
}

void CProgressPaneChoosePage::PictureButtonPushed(CPictureButtonView* button)
{
    IMainWindowActionListener* listener = GetShownPageListener();
    if (listener == nullptr)
        return;
    if (button == &mFolderButton)
        listener->ConvertToFolder();
    else if (button == &mArchiveButton)
        listener->ConvertToArchive();
}

CProgressPaneProgressPage::CProgressPaneProgressPage(NSTramvell::CABCGroupView* pane, const CRect& frame)
    : CTemplatePage(pane, frame, kProgressPageTemplate)
    , mProgressBar(this, NSTramvell::CProgressBarView::FrameFromItemRect(GetLayout().GetItemRect(1)))
{
    MoveChildrenOntoPage();
}

void CProgressPaneProgressPage::SetProgress(std::int32_t done, std::int32_t total)
{
    mProgressBar.SetValue(NSTramvell::CProgressBarView::ValueFromCounts(done, total));
}
