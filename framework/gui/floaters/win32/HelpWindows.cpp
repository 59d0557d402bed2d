#include "framework/gui/floaters/HelpWindows.h"

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/GuiExceptions.h"
#include "framework/gui/windows/Window.h"

namespace NSTramvell {
namespace {

// The engine's keyword-lookup record, declared as the engine lays it out.
struct CKeywordLookup
{
    int cbStruct;
    BOOL fReserved;
    LPCSTR pszKeywords;
    LPCSTR pszUrl;
    LPCSTR pszMsgText;
    LPCSTR pszMsgTitle;
    LPCSTR pszWindow;
    BOOL fIndexOnFail;
};
static_assert(sizeof(CKeywordLookup) == (sizeof(void*) == 8 ? 56 : 32));

HWND GetHelpOwner()
{
    const CABCWindow* window = GetActiveFrameworkWindow();
    return window != nullptr ? window->GetWindowHandle() : nullptr;
}

void OpenHelp(const std::string& helpFileName, UINT command, DWORD_PTR data)
{
    const std::string path = GetHelpFilePath(helpFileName);
    if (GetWindowTable().HtmlHelpA(GetHelpOwner(), path.c_str(), command, data) == nullptr)
        throw XCannotOpenHelpWindow();
}

} // namespace

std::string GetHelpFilePath(const std::string& helpFileName)
{
    return GetProgramFileSpec().GetDirectoryPath() + helpFileName;
}

void ShowHelp(const std::string& helpFileName)
{
    OpenHelp(helpFileName, kHelpDisplayTopic, 0);
}

void ShowHelpIndex(const std::string& helpFileName, const std::string& keyword)
{
    OpenHelp(helpFileName, kHelpDisplayIndex, reinterpret_cast<DWORD_PTR>(keyword.c_str()));
}

void LookUpHelpKeyword(const std::string& helpFileName, const std::string& keyword)
{
    CKeywordLookup lookup{};
    lookup.cbStruct = sizeof lookup;
    lookup.pszKeywords = keyword.c_str();
    lookup.fIndexOnFail = TRUE;
    OpenHelp(helpFileName, kHelpKeywordLookup, reinterpret_cast<DWORD_PTR>(&lookup));
}

void CloseAllHelpWindows()
{
    GetWindowTable().HtmlHelpA(nullptr, nullptr, kHelpCloseAll, 0);
}

} // namespace NSTramvell
