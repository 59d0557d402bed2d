#include "conversion/packer/KapletPackerInterface.h"

#include "conversion/packer/win32/PackerPlatform.h"
#include "conversion/packer/win32/PackerTable.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/trace/Launch.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <optional>
#include <stdexcept>

namespace NSKapletPackerInterface {
namespace {

constexpr UINT kCloseMessage = 16;
constexpr DWORD kReadAccess = 0x80000000;
constexpr DWORD kOpenExisting = 3;
// The one right DuplicateHandle needs on the target process.
constexpr DWORD kDuplicateHandleAccess = 0x40;
// Same access, and the program's own handle is closed by the duplication.
constexpr DWORD kMoveHandleOptions = 3;

const NSTramvell::CMacCreatorCode kAnyCreator("????");

std::uint32_t AskListener(IKapletPackerProgressListener* listener, std::uint32_t phase)
{
    return listener != nullptr ? listener->ReportPackerPhase(phase) : kPackerGoOn;
}

NSTramvell::CFileSpec FileInFolder(const NSTramvell::CDirSpec& folder, const char* name)
{
    return NSTramvell::MakeFileSpecInFolder(folder, NSTramvell::CFileName(name));
}

// For clearing up on a road that already failed or was refused: a file that cannot be deleted stays.
void DeleteIfPossible(const NSTramvell::CFileSpec& file)
{
    try {
        NSTramvell::DeleteFile(file);
    } catch (const XFile&) {
        // The first failure is what the caller reports; a file left over does no harm.
    }
}

void DeleteArchiveInfoFilesIfPossible(const NSTramvell::CDirSpec& folder)
{
    DeleteIfPossible(FileInFolder(folder, kInfoFileName));
    DeleteIfPossible(FileInFolder(folder, kSplashPictureFileName));
}

void WriteTextFile(const NSTramvell::CFileSpec& file, const std::string& text)
{
    NSTramvell::COpenFile output(file, kAnyCreator, NSTramvell::GetTextFileDescription());
    output.WriteAt(0, static_cast<std::int32_t>(text.size()), text.data());
}

// Gives the packer a second each round until it has started and shows its window. False when the user
// stops or the window does not come in time; a packer that was started is left running either way.
bool WaitForPackerWindow(const std::string& path, IKapletPackerProgressListener* listener)
{
    for (std::uint32_t tries = 0; FindPackerWindow(path) == nullptr && tries < kMaximumStartTries; ++tries) {
        if (AskListener(listener, kPackerStartingOrWaiting) == kPackerStop)
            return false;
        NSTramvell::CallTableFunction1(kWaitPauseMs);
    }
    return FindPackerWindow(path) != nullptr;
}

// A packer that cannot be started is a failure of its own, not a window that has yet to come.
void StartPacker(const std::string& path)
{
    NSTramvell::OpenDocument(NSTramvell::CFileSpec(path));
}

bool TryDeleteHeldFile(const NSTramvell::CFileSpec& file)
{
    try {
        NSTramvell::DeleteFile(file);
        return true;
    } catch (const XFileLocked&) {
        return false;
    }
}

// A packer may hold the parameter file after it accepted, until it has read its input; the deletion
// succeeds only after that, so the folder is not taken away from a packer that accepts first and reads
// afterwards. The wait is bounded and each round lets the user stop (a packer that is busy with another
// job may keep the handle for long). False when the file is still held at the end.
bool DeleteParameterFileWhenReleased(const NSTramvell::CFileSpec& parameterFile,
                                     IKapletPackerProgressListener* listener)
{
    for (std::uint32_t tries = 0; !TryDeleteHeldFile(parameterFile); ++tries) {
        if (tries == kMaximumReleaseTries || AskListener(listener, kPackerStartingOrWaiting) == kPackerStop)
            return false;
        NSTramvell::CallTableFunction1(kWaitPauseMs);
    }
    return true;
}

// Steps from the written description files on; false when the window has gone or the packer refuses.
bool HandOver(const NSTramvell::CDirSpec& folder, const NSTramvell::CFileSpec& archiveSpec,
              const std::string& path, bool startedHere, IKapletPackerProgressListener* listener)
{
    std::optional<NSTramvell::CFileSpec> parameterFile;
    try {
        parameterFile = WriteParameterFile(folder, archiveSpec.GetDirSpec());
        const HWND window = FindPackerWindow(path);
        const bool accepted = window != nullptr && HandOverParameterFile(window, *parameterFile);
        // Posted, not sent: a packer that asks its user something on closing must not hold this program.
        if (window != nullptr && startedHere)
            GetPackerTable().PostMessageA(window, kCloseMessage, 0, 0);
        if (!accepted) {
            DeleteIfPossible(*parameterFile);
            DeleteArchiveInfoFilesIfPossible(folder);
            return false;
        }
        if (!DeleteParameterFileWhenReleased(*parameterFile, listener)) {
            // The packer still holds a job on this folder: what becomes of the folder is the user's choice.
            DeleteArchiveInfoFilesIfPossible(folder);
            return false;
        }
        DeleteArchiveInfoFiles(folder);
        return true;
    } catch (...) {
        if (parameterFile)
            DeleteIfPossible(*parameterFile);
        DeleteArchiveInfoFilesIfPossible(folder);
        throw;
    }
}

} // namespace

bool PackFolder(const NSTramvell::CDirSpec& folder, const NSTramvell::CFileSpec& archiveSpec,
                IKapletPackerProgressListener* listener)
{
    if (AskListener(listener, kPackerStartingOrWaiting) == kPackerStop)
        return false;
    if (GetPackerInstallState() != kPackerInstalled)
        return false;
    const std::string path = GetPackerPath();
    const bool wasRunning = IsPackerRunning(NSTramvell::CFileSpec(path));
    if (!wasRunning) {
        StartPacker(path);
        if (!WaitForPackerWindow(path, listener))
            return false;
    }
    WriteArchiveInfoFiles(folder, archiveSpec.GetFileName());
    return HandOver(folder, archiveSpec, path, !wasRunning, listener);
}

std::string MakeArchiveInfoText(const std::string& archiveName)
{
    return "NAME=\"" + archiveName + "\"\r" + "URL=\"" + NSConverter::GetConversionString(kPackerWebAddressId) +
           "\"\r" + "COMMENTS=\"" + NSConverter::GetConversionString(kArchiveCommentId) + "\"\r";
}

void WriteArchiveInfoFiles(const NSTramvell::CDirSpec& folder, const NSTramvell::CFileName& archiveFileName)
{
    const std::string infoText = MakeArchiveInfoText(NSTramvell::GetFileNameStem(archiveFileName));
    try {
        WriteSplashPicture(FileInFolder(folder, kSplashPictureFileName), kSplashPictureResource);
        WriteTextFile(FileInFolder(folder, kInfoFileName), infoText);
    } catch (...) {
        DeleteArchiveInfoFilesIfPossible(folder);
        throw;
    }
}

void DeleteArchiveInfoFiles(const NSTramvell::CDirSpec& folder)
{
    NSTramvell::CheckFileOperation(FileInFolder(folder, kInfoFileName));
    NSTramvell::CheckFileOperation(FileInFolder(folder, kSplashPictureFileName));
}

void WriteSplashPicture(const NSTramvell::CFileSpec& file, std::uint16_t resourceNumber)
{
    const NSTramvell::CABCCodeModule* module = NSTramvell::CABCCodeModule::GetCurrent();
    if (module == nullptr)
        throw NSTramvell::XBase();
    const std::unique_ptr<NSTramvell::COwnedMemoryMedia> picture =
        module->GetResourceFile().LoadResource(NSTramvell::CResourceType("JPEG"), resourceNumber);
    NSTramvell::WriteFileFromBuffer(file, kAnyCreator, NSTramvell::CMacFileTypeCode("JPEG"), picture->GetBuffer(),
                                    picture->GetSize());
}

NSTramvell::CFileSpec MakeParameterFileSpec()
{
    const std::string folder = NSTramvell::GetTempFolder().GetPath();
    char path[MAX_PATH + 1] = {};
    if (GetPackerTable().GetTempFileNameA(folder.c_str(), kParameterFilePrefix, 0, path) == 0)
        throw std::runtime_error("No parameter file could be made for the archive packer");
    return NSTramvell::CFileSpec(path);
}

NSTramvell::CFileSpec WriteParameterFile(const NSTramvell::CDirSpec& convertedFolder,
                                         const NSTramvell::CDirSpec& archiveFolder)
{
    const NSTramvell::CFileSpec parameterFile = MakeParameterFileSpec();
    try {
        NSTramvell::COpenFile output(parameterFile, kAnyCreator, NSTramvell::GetTextFileDescription());
        NSTramvell::WriteString(output, convertedFolder.GetPath());
        NSTramvell::WriteString(output, archiveFolder.GetPath());
    } catch (...) {
        DeleteIfPossible(parameterFile);
        throw;
    }
    return parameterFile;
}

bool HandOverParameterFile(HWND window, const NSTramvell::CFileSpec& parameterFile)
{
    // Opened without sharing: while the packer holds this handle, nobody can delete the file.
    const CPackerTable& platform = GetPackerTable();
    CKernelHandle file(
        platform.CreateFileA(parameterFile.GetFullPath().c_str(), kReadAccess, 0, nullptr, kOpenExisting, 0, nullptr));
    if (!file.IsValid())
        throw std::runtime_error("The parameter file could not be opened for the archive packer");
    DWORD packerProcessId = 0;
    platform.GetWindowThreadProcessId(window, &packerProcessId);
    const CKernelHandle packerProcess(platform.OpenProcess(kDuplicateHandleAccess, FALSE, packerProcessId));
    if (!packerProcess.IsValid())
        throw std::runtime_error("The archive packer's process could not be opened");
    HANDLE packerFile = nullptr;
    // The duplication closes the source handle whether it succeeds or not.
    if (!platform.DuplicateHandle(platform.GetCurrentProcess(), file.Release(), packerProcess.Get(), &packerFile, 0,
                                  FALSE, kMoveHandleOptions))
        throw std::runtime_error("The parameter file could not be handed to the archive packer");
    const auto handleParameter = static_cast<LPARAM>(reinterpret_cast<ULONG_PTR>(packerFile));
    const LRESULT answer = platform.SendMessageA(window, kHandOverMessage, 0, handleParameter);
    return answer == static_cast<LRESULT>(kHandOverAccepted);
}

} // namespace NSKapletPackerInterface
