#pragma once

// CMainWindow, the program's one document window: the skin picture with the message pane over it, the
// progress pane below and the Exit/Stop button, all placed from dialog template 128 and the page
// templates. It decides nothing: the application drives it through ShowState and the progress calls, and
// every push of one of its buttons goes to the IMainWindowActionListener. The window owns its views; the
// listener is borrowed.

#include "app/mainwindow/MainWindowActionListener.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/dialogs/DocumentWindow.h"
#include "framework/gui/geometry/Point.h"
#include "framework/views/controls/PushButtonView.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace NSTramvell {
class CBitmapView;
class CPagedGroupView;
} // namespace NSTramvell

class CDoubleBufferingView;
class CMessagePanePromptPage;
class CMessagePaneChoosePage;
class CMessagePaneWorkingPage;
class CProgressPaneBlankPage;
class CProgressPaneChoosePage;
class CProgressPaneProgressPage;

class CMainWindow : public NSTramvell::CDocumentWindow
{
public:
    // The application's states, as the window shows them.
    static constexpr std::int32_t kWaitingState = 0;
    static constexpr std::int32_t kChoosingState = 1;
    static constexpr std::int32_t kConvertingState = 2;
    // The coordinate of a position that was never saved.
    static constexpr std::int32_t kNoPosition = -32768;

    // position: the saved top-left corner of the client area on the screen; either coordinate
    // kNoPosition centres the window. The window is made hidden, at its bounds; ReapplyBounds shows it.
    // A missing resource throws, after the views made so far are deleted.
    CMainWindow(IMainWindowActionListener* listener, const NSTramvell::CLocation& position, bool archiveAvailable);
    ~CMainWindow() override;

    // 0 waiting (prompt and blank pages), 1 choosing (the choose pages), 2 converting (working and progress
    // pages, the button reads "Stop"); the button is enabled again. Another state is only stored.
    void ShowState(std::int32_t state);
    std::int32_t GetState() const { return mState; }
    // The bar shows done of total in thousandths; done -1 or no total shows it empty.
    void SetProgress(std::int32_t done, std::int32_t total);
    void SetProgressTexts(const std::string& heading, const std::string& details);
    // Until the next ShowState.
    void DisableStopButton();

    IMainWindowActionListener* GetListener() const { return mListener; }
    void ConvertToFolder();
    void ConvertToArchive();
    void Eject();

    // Asks the application to quit; the window stays until the quit closes it.
    void CloseIfAllowed() override;
    void RootFrameChanged(const NSTramvell::CRect&, const NSTramvell::CRect&) override {}
    std::int32_t RootViewChanged() override;
    // False while converting.
    bool MayClose() override;
    void Dispose() override;

    NSTramvell::CPushButtonView& GetExitStopButton() { return *mExitStopButton; }
    CProgressPaneChoosePage& GetProgressChoosePage() { return *mProgressChoosePage; }
    CProgressPaneProgressPage& GetProgressPage() { return *mProgressPage; }
    CMessagePaneWorkingPage& GetWorkingPage() { return *mWorkingPage; }
    NSTramvell::CPagedGroupView& GetMessagePane() { return *mMessagePane; }
    NSTramvell::CPagedGroupView& GetProgressPane() { return *mProgressPane; }
    const NSTramvell::CDialogTemplate& GetLayout() const { return mLayout; }

private:
    CMainWindow(NSTramvell::CDialogTemplate layout, IMainWindowActionListener* listener,
                const NSTramvell::CLocation& position, bool archiveAvailable);
    // Moves the hidden window so that its client area is the wanted one, measured, not assumed.
    void PlaceClientArea(const NSTramvell::CLocation& position);
    void CreateViews(bool archiveAvailable);
    void ShowPages(std::uint16_t page, std::int32_t titleEntry);

    IMainWindowActionListener* mListener;   // borrowed, may be null
    std::int32_t mState = kWaitingState;
    NSTramvell::CDialogTemplate mLayout;
    std::unique_ptr<CDoubleBufferingView> mSkinGroup;
    std::unique_ptr<NSTramvell::CBitmapView> mSkinBitmap;
    std::unique_ptr<NSTramvell::CPagedGroupView> mMessagePane;
    std::unique_ptr<NSTramvell::CPagedGroupView> mProgressPane;
    // Held here, not on the heap; it leaves the root view in Dispose, before the window's own tear-down
    // deletes whatever children the root view still has.
    std::optional<NSTramvell::CPushButtonView> mExitStopButton;
    std::unique_ptr<CMessagePanePromptPage> mPromptPage;
    std::unique_ptr<CMessagePaneChoosePage> mMessageChoosePage;
    std::unique_ptr<CMessagePaneWorkingPage> mWorkingPage;
    std::unique_ptr<CProgressPaneBlankPage> mBlankPage;
    std::unique_ptr<CProgressPaneChoosePage> mProgressChoosePage;
    std::unique_ptr<CProgressPaneProgressPage> mProgressPage;
};
