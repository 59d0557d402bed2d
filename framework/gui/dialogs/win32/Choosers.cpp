#include "framework/gui/dialogs/Choosers.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/dialogs/ChooserRules.h"
#include "framework/gui/dialogs/DialogStates.h"
#include "framework/gui/dialogs/DocumentWindow.h"
#include "framework/gui/dialogs/FileTypeList.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/screens/ScreenLayout.h"
#include "framework/gui/windows/WindowProcedure.h"

#include <commdlg.h>
#include <shlobj.h>

#include <array>
#include <vector>

namespace NSTramvell {

namespace {

constexpr DWORD kSaveFlags = 0x880826;
constexpr DWORD kOpenFlags = 0x881824;
constexpr UINT kFolderFlags = 0x51;
constexpr UINT kFileNameFieldId = 0x480;

// Every framework window is disabled while a platform chooser runs.
class CModalStateGuard
{
public:
    CModalStateGuard() { EnterModalState(nullptr); }
    ~CModalStateGuard() { LeaveModalState(nullptr); }
    CModalStateGuard(const CModalStateGuard&) = delete;
    CModalStateGuard& operator=(const CModalStateGuard&) = delete;
};

// Gives the active window its focus view back when the chooser is gone.
class CFocusRestorer
{
public:
    CFocusRestorer()
        : mWindow(GetActiveFrameworkWindow())
        , mView(mWindow != nullptr ? mWindow->GetFocusView() : nullptr)
    {
    }
    ~CFocusRestorer()
    {
        if (mWindow != nullptr && mView != nullptr && IsWindowRegistered(mWindow))
            mWindow->SetFocusView(mView);
    }
    CFocusRestorer(const CFocusRestorer&) = delete;
    CFocusRestorer& operator=(const CFocusRestorer&) = delete;

private:
    CABCWindow* mWindow;   // borrowed
    CView* mView;          // borrowed
};

// The shell's allocator, released when the chooser is done.
class CShellAllocator
{
public:
    CShellAllocator()
    {
        if (GetKernelTable().SHGetMalloc(&mAllocator) < 0 || mAllocator == nullptr)
            throw XBase();
    }
    ~CShellAllocator() { mAllocator->Release(); }
    CShellAllocator(const CShellAllocator&) = delete;
    CShellAllocator& operator=(const CShellAllocator&) = delete;
    void Free(void* memory) { mAllocator->Free(memory); }

private:
    IMalloc* mAllocator = nullptr;
};

// The frame window, or in document mode the newest document window.
HWND GetChooserOwner()
{
    const CApplication* application = CApplication::GetApplication();
    if (application != nullptr && application->GetFrameWindowHandle() != nullptr)
        return application->GetFrameWindowHandle();
    const CDocumentWindow* newest = GetNewestDocumentWindow();
    return newest != nullptr ? newest->GetWindowHandle() : nullptr;
}

void ReturnToOwner(HWND owner)
{
    if (owner != nullptr)
        GetWindowTable().SetActiveWindow(owner);
}

// A zero answer is a cancel or a chooser the platform could not run: either way nothing was chosen.
bool RunFileChooser(BOOL (*chooser)(tagOFNA*), OPENFILENAMEA& record)
{
    BOOL confirmed = FALSE;
    {
        const CModalStateGuard modal;
        confirmed = chooser(&record);
    }
    ReturnToOwner(record.hwndOwner);
    return confirmed != FALSE;
}

CDialogPosition ToPosition(const RECT& rect)
{
    return CDialogPosition{rect.left, rect.top, rect.right, rect.bottom};
}

CRect PositionToRect(const CDialogPosition& position)
{
    return CRect(position.left, position.top, position.right, position.bottom);
}

// Centres the chooser on the primary screen the first time, then puts it where it was confirmed.
template <typename TState>
void PlaceChooser(HWND chooser, TState& state)
{
    CWindowTable& windows = GetWindowTable();
    if (PositionToRect(state.GetPosition()).IsEmpty()) {
        RECT current{};
        windows.GetWindowRect(chooser, &current);
        CRect centred = NSTramvell::ToRect(current);
        centred.AlignIn(CRect(0, 0, windows.GetSystemMetrics(SM_CXSCREEN), windows.GetSystemMetrics(SM_CYSCREEN)));
        state.SetPosition(CDialogPosition{centred.GetLeft(), centred.GetTop(), centred.GetRight(), centred.GetBottom()});
    }
    const CRect fitted = FitRectOnScreen(PositionToRect(state.GetPosition()));
    windows.SetWindowPos(chooser, nullptr, fitted.GetLeft(), fitted.GetTop(), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

template <typename TState>
void RememberChooserRect(HWND chooser, TState& state)
{
    RECT current{};
    if (GetWindowTable().GetWindowRect(chooser, &current))
        state.SetPosition(ToPosition(current));
}

struct CSaveHookData
{
    CSaveFileDialogState* state;
    const CFileTypeList* types;
};

void FollowTypeChange(HWND chooser, const OPENFILENAMEA& record, const CFileTypeList& types)
{
    if (record.nFilterIndex < 1 || record.nFilterIndex > types.GetCount())
        return;
    const std::string extension = GetDefaultExtension(types.GetAt(static_cast<std::uint16_t>(record.nFilterIndex - 1)));
    CWindowTable& windows = GetWindowTable();
    windows.SendMessageA(chooser, CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension.c_str()));
    std::array<char, kMaximumPathLength> field{};
    windows.SendMessageA(chooser, CDM_GETSPEC, field.size(), reinterpret_cast<LPARAM>(field.data()));
    field.back() = '\0';
    if (const std::optional<std::string> renamed = RenameForTypeChange(field.data(), extension, types))
        windows.SendMessageA(chooser, CDM_SETCONTROLTEXT, kFileNameFieldId, reinterpret_cast<LPARAM>(renamed->c_str()));
}

// Nothing may unwind into the platform's chooser.
UINT_PTR CALLBACK SaveFileDialogHook(HWND hookWindow, UINT message, WPARAM, LPARAM second)
{
    if (message != WM_NOTIFY)
        return 0;
    try {
        const auto* notification = reinterpret_cast<const OFNOTIFYA*>(second);
        const OPENFILENAMEA& record = *notification->lpOFN;
        CSaveHookData& data = *reinterpret_cast<CSaveHookData*>(record.lCustData);
        const HWND chooser = GetWindowTable().GetParent(hookWindow);
        switch (notification->hdr.code) {
        case CDN_TYPECHANGE:
            FollowTypeChange(chooser, record, *data.types);
            return 0;
        case CDN_INITDONE:
            PlaceChooser(chooser, *data.state);
            return 1;
        case CDN_FILEOK:
            RememberChooserRect(chooser, *data.state);
            return 0;
        default:
            return 0;
        }
    } catch (...) {
        return 0;
    }
}

UINT_PTR CALLBACK OpenFileDialogHook(HWND hookWindow, UINT message, WPARAM, LPARAM second)
{
    if (message != WM_NOTIFY)
        return 0;
    try {
        const auto* notification = reinterpret_cast<const OFNOTIFYA*>(second);
        COpenFileDialogState& state = *reinterpret_cast<COpenFileDialogState*>(notification->lpOFN->lCustData);
        const HWND chooser = GetWindowTable().GetParent(hookWindow);
        if (notification->hdr.code == CDN_INITDONE) {
            PlaceChooser(chooser, state);
            return 1;
        }
        if (notification->hdr.code == CDN_FILEOK)
            RememberChooserRect(chooser, state);
        return 0;
    } catch (...) {
        return 0;
    }
}

// The folder the chooser opens on, without its closing separator, as the chooser takes it; empty for none.
std::string GetWantedFolderPath(const std::optional<CDirSpec>& remembered)
{
    if (!remembered.has_value())
        return {};
    std::string path = remembered->GetPath();
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path.size() < kMaximumPathLength ? path : std::string();
}

int CALLBACK BrowseForFolderCallback(HWND chooser, UINT message, LPARAM value, LPARAM data)
{
    try {
        CWindowTable& windows = GetWindowTable();
        if (message == BFFM_INITIALIZED && data != 0) {
            const auto* path = reinterpret_cast<const std::string*>(data);
            windows.SendMessageA(chooser, BFFM_SETSELECTIONA, 1, reinterpret_cast<LPARAM>(path->c_str()));
            // The chooser is told before its own start-up is over: filling and focusing its tree afterwards
            // can move the selection back to the top. Asked again once that is done, the folder stays
            // chosen. The path outlives the chooser, and the message dies with it.
            windows.PostMessageA(chooser, BFFM_SETSELECTIONA, 1, reinterpret_cast<LPARAM>(path->c_str()));
        } else if (message == BFFM_SELCHANGED) {
            std::array<char, kMaximumPathLength> path{};
            if (GetKernelTable().SHGetPathFromIDListA(reinterpret_cast<const _ITEMIDLIST*>(value), path.data()))
                windows.SendMessageA(chooser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path.data()));
        }
    } catch (...) {
    }
    return 0;
}

OPENFILENAMEA MakeFileRecord(const std::string& title, const std::string& filter, std::array<char, kMaximumPathLength>& name,
                             const std::string& folder, const std::string& defaultExtension, DWORD flags)
{
    OPENFILENAMEA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = GetChooserOwner();
    record.lpstrFilter = filter.c_str();
    record.lpstrFile = name.data();
    record.nMaxFile = static_cast<DWORD>(name.size());
    record.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    record.lpstrTitle = title.c_str();
    record.Flags = flags;
    record.lpstrDefExt = defaultExtension.c_str();
    return record;
}

void CopyName(const std::string& text, std::array<char, kMaximumPathLength>& name)
{
    const std::size_t length = std::min(text.size(), name.size() - 1);
    text.copy(name.data(), length);
    name[length] = '\0';
}

const CFileTypeDescription& GetCurrentType(const std::optional<CFileTypeDescription>& remembered,
                                           const CFileTypeList& types)
{
    return remembered.has_value() ? *remembered : types.GetAt(0);
}

DWORD GetFilterIndex(const std::optional<CFileTypeDescription>& remembered, const CFileTypeList& types)
{
    const std::int32_t position = remembered.has_value() ? types.FindPosition(*remembered) : -1;
    return position >= 0 ? static_cast<DWORD>(position + 1) : 1;
}

} // namespace

bool BrowseForFolder(const std::string& title, std::unique_ptr<CDirSpec>& folder, CFolderDialogState& state)
{
    CShellAllocator allocator;
    const std::string wanted = GetWantedFolderPath(state.GetFolder());
    BROWSEINFOA record{};
    record.hwndOwner = GetChooserOwner();
    record.lpszTitle = title.c_str();
    record.ulFlags = kFolderFlags;
    record.lpfn = &BrowseForFolderCallback;
    record.lParam = wanted.empty() ? 0 : reinterpret_cast<LPARAM>(&wanted);

    const CFocusRestorer focus;
    _ITEMIDLIST* chosen = nullptr;
    {
        const CModalStateGuard modal;
        chosen = GetWindowTable().SHBrowseForFolderA(&record);
    }
    ReturnToOwner(record.hwndOwner);
    if (chosen == nullptr)
        return false;
    std::array<char, kMaximumPathLength> path{};
    const BOOL converted = GetKernelTable().SHGetPathFromIDListA(chosen, path.data());
    allocator.Free(chosen);
    if (!converted)
        return false;
    const std::optional<std::string> accepted = AcceptChosenFolderPath(path.data());
    if (!accepted.has_value())
        return false;
    folder = std::make_unique<CDirSpec>(*accepted);
    try {
        state.SetFolder(*folder);
    } catch (...) {
        // The choice stands even when it cannot be remembered.
    }
    return true;
}

bool ChooseFile(const std::string& title, const std::string& defaultName, const CFileTypeDescription& type,
                std::unique_ptr<CFileSpec>& file, CSaveFileDialogState& state)
{
    CFileTypeList types;
    types.Append(type);
    state.SetFileType(type);
    std::unique_ptr<CFileTypeDescription> chosenType;
    return RunSaveFileDialog(title, defaultName, types, file, chosenType, state);
}

bool RunSaveFileDialog(const std::string& title, const std::string& defaultName, const CFileTypeList& types,
                       std::unique_ptr<CFileSpec>& file, std::unique_ptr<CFileTypeDescription>& type,
                       CSaveFileDialogState& state)
{
    file.reset();
    type.reset();
    const std::string filter = BuildFileFilter(types);
    const CFileTypeDescription current = GetCurrentType(state.GetFileType(), types);
    std::array<char, kMaximumPathLength> name{};
    CopyName(MakeInitialFileName(defaultName, current), name);
    const std::string folder = state.GetFolder().has_value() ? state.GetFolder()->GetPath() : "";
    const std::string defaultExtension = GetDefaultExtension(current);
    OPENFILENAMEA record = MakeFileRecord(title, filter, name, folder, defaultExtension, kSaveFlags);
    record.nFilterIndex = GetFilterIndex(state.GetFileType(), types);
    CSaveHookData hookData{&state, &types};
    record.lCustData = reinterpret_cast<LPARAM>(&hookData);
    record.lpfnHook = &SaveFileDialogHook;

    const CFocusRestorer focus;
    if (!RunFileChooser(GetWindowTable().GetSaveFileNameA, record))
        return false;
    const std::uint16_t chosenIndex = static_cast<std::uint16_t>(record.nFilterIndex > 0 ? record.nFilterIndex - 1 : 0);
    const CFileTypeDescription& chosen = types.GetAt(std::min<std::uint16_t>(chosenIndex, types.GetCount() - 1));
    state.SetFileType(chosen);
    file = std::make_unique<CFileSpec>(FileSpecFromChooserResult(record));
    const CFileTypeDescription* matching = types.FindMatching(*file);
    type = std::make_unique<CFileTypeDescription>(matching != nullptr ? *matching : chosen);
    try {
        state.SetFolder(file->GetDirSpec());
    } catch (...) {
        // The choice stands even when its folder cannot be remembered.
    }
    return true;
}

bool ChooseFileToOpen(const std::string& title, const CFileTypeDescription& type, std::unique_ptr<CFileSpec>& file,
                      std::unique_ptr<CFileTypeDescription>& chosenType, COpenFileDialogState& state)
{
    CFileTypeList types;
    types.Append(type);
    state.SetFileType(type);
    return RunOpenFileDialog(title, types, file, chosenType, state);
}

bool RunOpenFileDialog(const std::string& title, const CFileTypeList& types, std::unique_ptr<CFileSpec>& file,
                       std::unique_ptr<CFileTypeDescription>& type, COpenFileDialogState& state)
{
    file.reset();
    type.reset();
    const std::string filter = BuildFileFilter(types);
    const CFileTypeDescription current = GetCurrentType(state.GetFileType(), types);
    std::array<char, kMaximumPathLength> name{};
    const std::string folder = state.GetFolder().has_value() ? state.GetFolder()->GetPath() : "";
    const std::string defaultExtension = GetDefaultExtension(current);
    OPENFILENAMEA record = MakeFileRecord(title, filter, name, folder, defaultExtension, kOpenFlags);
    record.nFilterIndex = state.GetAllTypes() ? types.GetCount() + 1u : GetFilterIndex(state.GetFileType(), types);
    record.lCustData = reinterpret_cast<LPARAM>(&state);
    record.lpfnHook = &OpenFileDialogHook;

    const CFocusRestorer focus;
    if (!RunFileChooser(GetWindowTable().GetOpenFileNameA, record))
        return false;
    file = std::make_unique<CFileSpec>(FileSpecFromChooserResult(record));
    const CFileTypeDescription* matching = types.FindMatching(*file);
    if (matching == nullptr) {
        file.reset();
        return false;
    }
    type = std::make_unique<CFileTypeDescription>(*matching);
    try {
        const DWORD chosenIndex = record.nFilterIndex > 0 ? record.nFilterIndex - 1 : 0;
        if (chosenIndex == types.GetCount())
            state.SetAllTypes(true);
        else if (chosenIndex < types.GetCount())
            state.SetFileType(types.GetAt(static_cast<std::uint16_t>(chosenIndex)));
        state.SetFolder(file->GetDirSpec());
    } catch (...) {
        // The choice stands even when it cannot be remembered.
    }
    return true;
}

CFileSpec FileSpecFromChooserResult(const tagOFNA& record)
{
    return FileSpecFromChooserResult(record.lpstrFile, record.nFileOffset, record.nFileExtension);
}

CLocationRect GetCenteredWindowRect(const CPoint& size, const CLocationRect& margins)
{
    return CenterRectOverFrame(ExpandByMargins(margins, CLocationRect(0, 0, size.GetX(), size.GetY())));
}

CLocationRect GetCenteredWindowRect(std::int32_t width, std::int32_t height, const CLocationRect& margins)
{
    return GetCenteredWindowRect(CPoint(width, height), margins);
}

CLocationRect CenterRectOverFrame(const CLocationRect& rect)
{
    CWindowTable& windows = GetWindowTable();
    const CRect mainScreen(0, 0, windows.GetSystemMetrics(SM_CXSCREEN), windows.GetSystemMetrics(SM_CYSCREEN));
    const HWND frame = GetChooserOwner();
    RECT frameRect{};
    if (frame == nullptr || !windows.GetWindowRect(frame, &frameRect))
        return CenterOverFrame(rect, std::nullopt, false, GetScreenLayout(), mainScreen);
    return CenterOverFrame(rect, NSTramvell::ToRect(frameRect), windows.IsIconic(frame) != FALSE, GetScreenLayout(),
                           mainScreen);
}

CLocationRect GetCascadedWindowRect(const CPoint& size, const CLocationRect& margins)
{
    CWindowTable& windows = GetWindowTable();
    CRect area(0, 0, windows.GetSystemMetrics(SM_CXSCREEN), windows.GetSystemMetrics(SM_CYSCREEN));
    const CApplication* application = CApplication::GetApplication();
    RECT client{};
    if (application != nullptr && application->GetFrameWindowHandle() != nullptr &&
        windows.GetClientRect(application->GetFrameWindowHandle(), &client))
        area = NSTramvell::ToRect(client);
    std::vector<CPoint> others;
    for (IRegisteredWindow* registered : GetWindowList()) {
        if (const auto* window = dynamic_cast<const CABCWindow*>(registered))
            others.push_back(window->GetBounds().GetTopLeft());
    }
    const std::int32_t step = windows.GetSystemMetrics(SM_CYCAPTION) + windows.GetSystemMetrics(SM_CYSIZEFRAME);
    return CascadeInArea(ExpandByMargins(margins, CLocationRect(0, 0, size.GetX(), size.GetY())), area, step, others);
}

CLocationRect GetCascadedWindowRect(std::int32_t width, std::int32_t height, const CLocationRect& margins)
{
    return GetCascadedWindowRect(CPoint(width, height), margins);
}

} // namespace NSTramvell
