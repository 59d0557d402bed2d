#pragma once

// The program entry behind WinMain: it checks the platform, binds the platform tables, prepares the
// process-wide services, hands the start-up record to the application factory and takes the same steps
// back in reverse order. Every step that reaches outside is an entry of a table filled at compile time,
// so that a test can run the entry with fakes.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "framework/gui/application/Application.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

// The fatal start-up messages of the program's string table.
inline constexpr UINT kFatalErrorCaption = 10000;
inline constexpr UINT kWindowsTooOldMessage = 10001;
inline constexpr UINT kShellTooOldMessage = 10002;
inline constexpr UINT kCommonControlsTooOldMessage = 10003;
inline constexpr UINT kUnknownFailureMessage = 10004;

struct CProgramEntrySteps
{
    bool (*IsWindowsVersionSupported)();
    bool (*IsDLLVersionAtLeast)(const std::string& name, std::uint16_t major, std::uint16_t minor);
    // Before the tables are bound and after they are released: called directly.
    int (*LoadStringA)(HINSTANCE instance, UINT id, LPSTR buffer, int capacity);
    int (*MessageBoxA)(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);
    void (*BindPlatformTables)();
    void (*ReleasePlatformTables)();
    HRESULT (*CoInitialize)(LPVOID reserved);
    void (*CoUninitialize)();
    void (*InitializeRegisteredInstances)();
    void (*ExitRegisteredInstances)();
    CFileSpec (*GetProgramFileSpec)(HINSTANCE instance);
    CModuleReference (*OpenModule)(const CFileSpec& file, HINSTANCE instance);
    void (*RegisterWindowClasses)(HINSTANCE instance);
    void (*UnregisterWindowClasses)(HINSTANCE instance);
    // Creates the application, runs it and deletes it.
    void (*CreateAndRunApplication)(CApplicationParameters& parameters);
};

// The real steps, with the program's application factory.
CProgramEntrySteps MakeProgramEntrySteps(void (*createAndRunApplication)(CApplicationParameters&));

// What WinMain returns: 0 in every case.
int RunProgram(const CProgramEntrySteps& steps, HINSTANCE instance, const char* commandLine, int showCommand);

// Loads caption and message from the string table and shows them in a stop box without owner.
void ShowFatalError(const CProgramEntrySteps& steps, HINSTANCE instance, UINT messageId);

// The entry's memory-exhaustion handler, in place until the application installs its own.
void ThrowOutOfMemory();

} // namespace NSTramvell
