#include "framework/gui/application/win32/ProgramEntry.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/DLLOperations.h"
#include "framework/foundation/platform/InitializeExit.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/application/win32/SingleInstance.h"

#include <cstring>
#include <new>

namespace NSTramvell {
namespace {

constexpr int kCaptionCapacity = 100;
constexpr int kMessageCapacity = 512;

// 0 when every check passes, else the message that tells which failed.
UINT CheckSystemRequirements(const CProgramEntrySteps& steps)
{
    if (!steps.IsWindowsVersionSupported())
        return kWindowsTooOldMessage;
    if (!steps.IsDLLVersionAtLeast("shell32.dll", 4, 0))
        return kShellTooOldMessage;
    if (!steps.IsDLLVersionAtLeast("comctl32.dll", 4, 71))
        return kCommonControlsTooOldMessage;
    return 0;
}

// The steps after binding, up to the application's end. An exception that leaves them first ends the
// registered instances and releases the platform; the caller shows the fatal message.
void StartRunAndStop(const CProgramEntrySteps& steps, HINSTANCE instance, const char* commandLine,
                     int showCommand)
{
    try {
        if (GetApplicationMode() == kFrameMode && !IsFirstInstance()) {
            PassCommandLineToFirstInstance(commandLine);
            steps.ReleasePlatformTables();
            return;
        }
        if (steps.CoInitialize(nullptr) < 0)
            throw XBase();
        steps.InitializeRegisteredInstances();
        const CFileSpec programFile = steps.GetProgramFileSpec(instance);
        {
            const CCodeModuleInfo module(programFile.GetDirSpec(), programFile.GetFullPath(),
                                         steps.OpenModule(programFile, instance), instance);
            CApplicationParameters parameters(module);
            steps.RegisterWindowClasses(instance);
            parameters.mCommandLine = commandLine;
            parameters.mShowCommand = showCommand;
            steps.CreateAndRunApplication(parameters);
        }
        if (GetApplicationMode() == kFrameMode)
            ReleaseSingleInstanceBlock();
        steps.UnregisterWindowClasses(instance);
        steps.ExitRegisteredInstances();
        steps.CoUninitialize();
        steps.ReleasePlatformTables();
    } catch (...) {
        try {
            steps.ExitRegisteredInstances();
        } catch (...) {
            // The failure that brought us here is the one to tell.
        }
        steps.ReleasePlatformTables();
        if (GetApplicationMode() == kFrameMode)
            ReleaseSingleInstanceBlock();
        throw;
    }
}

} // namespace

void ThrowOutOfMemory()
{
    throw XOutOfMemory();
}

void ShowFatalError(const CProgramEntrySteps& steps, HINSTANCE instance, UINT messageId)
{
    char caption[kCaptionCapacity] = "Error";
    // A missing string empties the buffer; the caption must still read "Error".
    if (steps.LoadStringA(instance, kFatalErrorCaption, caption, kCaptionCapacity) == 0)
        std::strcpy(caption, "Error");
    char message[kMessageCapacity] = "";
    steps.LoadStringA(instance, messageId, message, kMessageCapacity);
    steps.MessageBoxA(nullptr, message, caption, MB_ICONHAND);
}

int RunProgram(const CProgramEntrySteps& steps, HINSTANCE instance, const char* commandLine, int showCommand)
{
    std::set_new_handler(&ThrowOutOfMemory);
    try {
        const UINT failedCheck = CheckSystemRequirements(steps);
        if (failedCheck != 0) {
            ShowFatalError(steps, instance, failedCheck);
            return 0;
        }
        steps.BindPlatformTables();
        StartRunAndStop(steps, instance, commandLine, showCommand);
    } catch (...) {
        ShowFatalError(steps, instance, kUnknownFailureMessage);
    }
    return 0;
}

CProgramEntrySteps MakeProgramEntrySteps(void (*createAndRunApplication)(CApplicationParameters&))
{
    CProgramEntrySteps steps{};
    steps.IsWindowsVersionSupported = &NSTramvell::IsWindowsVersionSupported;
    steps.IsDLLVersionAtLeast = &NSDLLOperations::IsDLLVersionAtLeast;
    steps.LoadStringA = [](HINSTANCE instance, UINT id, LPSTR buffer, int capacity) {
        return ::LoadStringA(instance, id, buffer, capacity);
    };
    steps.MessageBoxA = [](HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
        return ::MessageBoxA(owner, text, caption, flags);
    };
    steps.BindPlatformTables = &NSTramvell::BindPlatformTables;
    steps.ReleasePlatformTables = &NSTramvell::ReleasePlatformTables;
    steps.CoInitialize = [](LPVOID reserved) { return GetKernelTable().CoInitialize(reserved); };
    steps.CoUninitialize = [] { GetKernelTable().CoUninitialize(); };
    steps.InitializeRegisteredInstances = &NSTramvell::InitializeRegisteredInstances;
    steps.ExitRegisteredInstances = &NSTramvell::ExitRegisteredInstances;
    steps.GetProgramFileSpec = [](HINSTANCE instance) {
        char path[kMaximumPathLength] = "";
        const DWORD length = GetKernelTable().GetModuleFileNameA(instance, path, sizeof path);
        if (length == 0 || length >= sizeof path)
            throw XBase();
        return CFileSpec(std::string(path, length));
    };
    steps.OpenModule = [](const CFileSpec& file, HINSTANCE instance) { return NSTramvell::OpenModule(file, instance); };
    steps.RegisterWindowClasses = &NSTramvell::RegisterWindowClasses;
    steps.UnregisterWindowClasses = &NSTramvell::UnregisterWindowClasses;
    steps.CreateAndRunApplication = createAndRunApplication;
    return steps;
}

} // namespace NSTramvell
