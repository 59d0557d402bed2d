#pragma once

// The six pages of the main window's two panes, each laid out from its own dialog template (kept for the
// page's life) and framed to its pane: the message pane's prompt, choose and working pages above, the
// progress pane's blank, choose and progress pages below. Template rectangles are relative to the page;
// each page moves its children by its own top-left corner once they are made.

#include "app/mainwindow/MainWindowActionListener.h"
#include "app/mainwindow/PictureButtonView.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/views/GroupView.h"
#include "framework/views/controls/ProgressBarView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/pages/TransparentStaticTextView.h"

#include <cstdint>
#include <string>

// The page templates' resource numbers.
inline constexpr std::uint16_t kPromptPageTemplate = 129;
inline constexpr std::uint16_t kMessageChoosePageTemplate = 130;
inline constexpr std::uint16_t kWorkingPageTemplate = 131;
inline constexpr std::uint16_t kBlankPageTemplate = 132;
inline constexpr std::uint16_t kProgressChoosePageTemplate = 133;
inline constexpr std::uint16_t kProgressPageTemplate = 134;

// The pictures of the two output buttons: folder and archive.
inline constexpr std::uint16_t kFolderButtonIcon = 130;
inline constexpr std::uint16_t kArchiveButtonIcon = 131;

// A page's layout and the move of its children onto the page.
class CTemplatePage : public NSTramvell::CStandardGroupView
{
public:
    CTemplatePage(NSTramvell::CABCGroupView* pane, const NSTramvell::CRect& frame, std::uint16_t templateId);

    const NSTramvell::CDialogTemplate& GetLayout() const { return mLayout; }

protected:
    // The text of an item, wrapped in the item's rectangle in the default control font.
    NSTramvell::CTransparentStaticTextView::CDescription TextItem(std::uint16_t itemId) const;
    // Called at the end of a derived constructor, once every child exists.
    void MoveChildrenOntoPage();

private:
    NSTramvell::CDialogTemplate mLayout;
};

class CMessagePanePromptPage : public CTemplatePage
{
public:
    CMessagePanePromptPage(NSTramvell::CABCGroupView* pane, const NSTramvell::CRect& frame);

private:
    NSTramvell::CTransparentStaticTextView mWelcomeText;
    NSTramvell::CTransparentStaticTextView mInsertText;
    NSTramvell::CTransparentStaticTextView mWaitingText;
};

class CMessagePaneChoosePage : public CTemplatePage
{
public:
    CMessagePaneChoosePage(NSTramvell::CABCGroupView* pane, const NSTramvell::CRect& frame);

private:
    NSTramvell::CTransparentStaticTextView mHeadingText;
    NSTramvell::CTransparentStaticTextView mOptionsText;
    NSTramvell::CTransparentStaticTextView mFolderTitleText;
    NSTramvell::CTransparentStaticTextView mFolderDetailsText;
    NSTramvell::CTransparentStaticTextView mArchiveTitleText;
    NSTramvell::CTransparentStaticTextView mArchiveDetailsText;
};

class CMessagePaneWorkingPage : public CTemplatePage
{
public:
    CMessagePaneWorkingPage(NSTramvell::CABCGroupView* pane, const NSTramvell::CRect& frame);

    // Each text redraws only when it changes.
    void SetTexts(const std::string& heading, const std::string& details);
    std::string GetHeading() const { return mHeadingText.GetText(); }
    std::string GetDetails() const { return mDetailsText.GetText(); }

private:
    NSTramvell::CTransparentStaticTextView mHeadingText;
    NSTramvell::CTransparentStaticTextView mDetailsText;
};

class CProgressPaneBlankPage : public CTemplatePage
{
public:
    CProgressPaneBlankPage(NSTramvell::CABCGroupView* pane, const NSTramvell::CRect& frame);
};

// The two output buttons with their captions and Eject. Pushes reach the window's listener only while
// this page is its pane's current page.
class CProgressPaneChoosePage : public CTemplatePage, public IPictureButtonPushListener
{
public:
    CProgressPaneChoosePage(NSTramvell::CABCGroupView* pane, const NSTramvell::CRect& frame, bool folderAvailable,
                            bool archiveAvailable);

    // Polls Eject; the notice goes no further up.
    std::int32_t ChildChanged() override;
    void PictureButtonPushed(CPictureButtonView* button) override;

    CPictureButtonView& GetFolderButton() { return mFolderButton; }
    CPictureButtonView& GetArchiveButton() { return mArchiveButton; }
    NSTramvell::CPushButtonView& GetEjectButton() { return mEjectButton; }

private:
    // The window's listener while this page is shown; null otherwise or without one.
    IMainWindowActionListener* GetShownPageListener() const;

    CPictureButtonView mFolderButton;
    NSTramvell::CTransparentStaticTextView mFolderCaption;
    CPictureButtonView mArchiveButton;
    NSTramvell::CTransparentStaticTextView mArchiveCaption;
    NSTramvell::CPushButtonView mEjectButton;
};

class CProgressPaneProgressPage : public CTemplatePage
{
public:
    CProgressPaneProgressPage(NSTramvell::CABCGroupView* pane, const NSTramvell::CRect& frame);

    void SetProgress(std::int32_t done, std::int32_t total);
    NSTramvell::CProgressBarView& GetProgressBar() { return mProgressBar; }

private:
    NSTramvell::CProgressBarView mProgressBar;
};
